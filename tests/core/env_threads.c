/* Prints the configured thread count; CTest runs it with ORV_NUM_THREADS set. */
#include <stdio.h>
#include "orvcore.h"

int main(void)
{
    printf("threads=%d\n", ownGetNumThreads());
    return 0;
}
