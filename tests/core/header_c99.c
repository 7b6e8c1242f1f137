/* The public header compiles as C99 and its entries link from C. */
#include <string.h>
#include "orvs.h"
#include "orvcore.h"

int main(void)
{
    const OrvLibraryVersion* v = orvsGetLibVersion();
    Orv32fc c = {1.0f, -1.0f};
    Orv32f* buf = orvsMalloc_32f(16);
    if (!v || v->major != 6 || strcmp(v->targetCpu, "k1") != 0 || !buf || c.im != -1.0f) return 1;
    orvsFree(buf);
    return ownGetNumThreads() >= 1 ? 0 : 3;
}
