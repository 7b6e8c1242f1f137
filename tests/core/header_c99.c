/* The public header compiles as C99 and its entries link from C. */
#include <string.h>
#include "orvs.h"
#include "orvcore.h"

int main(void)
{
    const OrvLibraryVersion* v = orvsGetLibVersion();
    Orv32f* buf;
    Orv32fc c;
    if (!v || v->major != 6 || strcmp(v->targetCpu, "k1") != 0) return 1;
    buf = orvsMalloc_32f(16);
    if (!buf) return 2;
    orvsFree(buf);
    c.re = 1.0f;
    c.im = -1.0f;
    (void)c;
    return ownGetNumThreads() >= 1 ? 0 : 3;
}
