// Parameter shape of the G.711 entries.
#pragma once
#include "orvs/types.h"

#define ORVS_G711(S, D) (const S* pSrc, D* pDst, int len), (pSrc, pDst, len)
