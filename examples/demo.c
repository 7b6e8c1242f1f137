/* A first look at the library: the version record and a few vector entries. */
#include <stdio.h>
#include "orvs.h"
#include "orvcore.h"

int main(void)
{
    const OrvLibraryVersion* v = orvsGetLibVersion();
    printf("%s %d.%d (build %d.%d, \"%s\", target %s, %s)\n", v->Name, v->major, v->minor,
           v->majorBuild, v->build, v->Version, v->targetCpu, v->BuildDate);
    printf("threads available to parallel paths: %d\n", ownGetNumThreads());

    Orv32f* buf = orvsMalloc_32f(8);
    if (!buf) return 1;
    printf("orvsMalloc_32f(8) -> %p\n", (void*)buf);
    orvsFree(buf);
    printf("orvsMalloc_8u(-5) -> %p\n", (void*)orvsMalloc_8u(-5));
    return 0;
}
