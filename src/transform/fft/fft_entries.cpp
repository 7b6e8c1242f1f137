// Exported entries of the complex FFT: one-line forwarders to the engine.
#include "orvs/fft.h"
#include "transform/fft/fft_engine.h"

using namespace orvs::fft;

extern "C" {

// ---- C_16sc
ORVS_API OrvStatus orvsFFTGetSize_C_16sc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Int16, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_16sc(OrvsFFTSpec_C_16sc** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Int16, kIdC16sc, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_16sc(OrvsFFTSpec_C_16sc** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Int16, kIdC16sc, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_16sc(OrvsFFTSpec_C_16sc* pSpec) { return freeRecord(Kind::Int16, kIdC16sc, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_16sc(const OrvsFFTSpec_C_16sc* pSpec, int* pBufferSize) { return getBufSize(kIdC16sc, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16sc, false, false, pSrc, nullptr, pDst, nullptr, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_16sc_ISfs(Orv16sc* pSrcDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16sc, false, false, pSrcDst, nullptr, pSrcDst, nullptr, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_16sc_Sfs(const Orv16sc* pSrc, Orv16sc* pDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16sc, true, false, pSrc, nullptr, pDst, nullptr, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_16sc_ISfs(Orv16sc* pSrcDst, const OrvsFFTSpec_C_16sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16sc, true, false, pSrcDst, nullptr, pSrcDst, nullptr, pSpec, scaleFactor, pBuffer); }

// ---- C_16s
ORVS_API OrvStatus orvsFFTGetSize_C_16s(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Int16, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_16s(OrvsFFTSpec_C_16s** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Int16, kIdC16s, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_16s(OrvsFFTSpec_C_16s** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Int16, kIdC16s, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_16s(OrvsFFTSpec_C_16s* pSpec) { return freeRecord(Kind::Int16, kIdC16s, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_16s(const OrvsFFTSpec_C_16s* pSpec, int* pBufferSize) { return getBufSize(kIdC16s, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_16s_Sfs(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16s* pDstRe, Orv16s* pDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16s, false, true, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_16s_ISfs(Orv16s* pSrcDstRe, Orv16s* pSrcDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16s, false, true, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_16s_Sfs(const Orv16s* pSrcRe, const Orv16s* pSrcIm, Orv16s* pDstRe, Orv16s* pDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16s, true, true, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_16s_ISfs(Orv16s* pSrcDstRe, Orv16s* pSrcDstIm, const OrvsFFTSpec_C_16s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int16, kIdC16s, true, true, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, scaleFactor, pBuffer); }

// ---- C_32fc
ORVS_API OrvStatus orvsFFTGetSize_C_32fc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Float32, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_32fc(OrvsFFTSpec_C_32fc** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Float32, kIdC32fc, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_32fc(OrvsFFTSpec_C_32fc** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Float32, kIdC32fc, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_32fc(OrvsFFTSpec_C_32fc* pSpec) { return freeRecord(Kind::Float32, kIdC32fc, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_32fc(const OrvsFFTSpec_C_32fc* pSpec, int* pBufferSize) { return getBufSize(kIdC32fc, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32fc(const Orv32fc* pSrc, Orv32fc* pDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float32, kIdC32fc, false, pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32fc_I(Orv32fc* pSrcDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float32, kIdC32fc, false, pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32fc(const Orv32fc* pSrc, Orv32fc* pDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float32, kIdC32fc, true, pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32fc_I(Orv32fc* pSrcDst, const OrvsFFTSpec_C_32fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float32, kIdC32fc, true, pSrcDst, pSrcDst, pSpec, pBuffer); }

// ---- C_32f
ORVS_API OrvStatus orvsFFTGetSize_C_32f(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Float32, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_32f(OrvsFFTSpec_C_32f** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Float32, kIdC32f, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_32f(OrvsFFTSpec_C_32f** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Float32, kIdC32f, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_32f(OrvsFFTSpec_C_32f* pSpec) { return freeRecord(Kind::Float32, kIdC32f, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_32f(const OrvsFFTSpec_C_32f* pSpec, int* pBufferSize) { return getBufSize(kIdC32f, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDstRe, Orv32f* pDstIm, const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float32, kIdC32f, false, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32f_I(Orv32f* pSrcDstRe, Orv32f* pSrcDstIm, const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float32, kIdC32f, false, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32f(const Orv32f* pSrcRe, const Orv32f* pSrcIm, Orv32f* pDstRe, Orv32f* pDstIm, const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float32, kIdC32f, true, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32f_I(Orv32f* pSrcDstRe, Orv32f* pSrcDstIm, const OrvsFFTSpec_C_32f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float32, kIdC32f, true, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, pBuffer); }

// ---- C_64fc
ORVS_API OrvStatus orvsFFTGetSize_C_64fc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Float64, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_64fc(OrvsFFTSpec_C_64fc** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Float64, kIdC64fc, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_64fc(OrvsFFTSpec_C_64fc** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Float64, kIdC64fc, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_64fc(OrvsFFTSpec_C_64fc* pSpec) { return freeRecord(Kind::Float64, kIdC64fc, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_64fc(const OrvsFFTSpec_C_64fc* pSpec, int* pBufferSize) { return getBufSize(kIdC64fc, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_64fc(const Orv64fc* pSrc, Orv64fc* pDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float64, kIdC64fc, false, pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_64fc_I(Orv64fc* pSrcDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float64, kIdC64fc, false, pSrcDst, pSrcDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_64fc(const Orv64fc* pSrc, Orv64fc* pDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float64, kIdC64fc, true, pSrc, pDst, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_64fc_I(Orv64fc* pSrcDst, const OrvsFFTSpec_C_64fc* pSpec, Orv8u* pBuffer)
{ return transformInterleaved(Kind::Float64, kIdC64fc, true, pSrcDst, pSrcDst, pSpec, pBuffer); }

// ---- C_64f
ORVS_API OrvStatus orvsFFTGetSize_C_64f(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Float64, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_64f(OrvsFFTSpec_C_64f** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Float64, kIdC64f, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_64f(OrvsFFTSpec_C_64f** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Float64, kIdC64f, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_64f(OrvsFFTSpec_C_64f* pSpec) { return freeRecord(Kind::Float64, kIdC64f, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_64f(const OrvsFFTSpec_C_64f* pSpec, int* pBufferSize) { return getBufSize(kIdC64f, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDstRe, Orv64f* pDstIm, const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float64, kIdC64f, false, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_64f_I(Orv64f* pSrcDstRe, Orv64f* pSrcDstIm, const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float64, kIdC64f, false, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_64f(const Orv64f* pSrcRe, const Orv64f* pSrcIm, Orv64f* pDstRe, Orv64f* pDstIm, const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float64, kIdC64f, true, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_64f_I(Orv64f* pSrcDstRe, Orv64f* pSrcDstIm, const OrvsFFTSpec_C_64f* pSpec, Orv8u* pBuffer)
{ return transformSplit(Kind::Float64, kIdC64f, true, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, pBuffer); }

// ---- C_32sc
ORVS_API OrvStatus orvsFFTGetSize_C_32sc(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Int32, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_32sc(OrvsFFTSpec_C_32sc** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Int32, kIdC32sc, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_32sc(OrvsFFTSpec_C_32sc** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Int32, kIdC32sc, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_32sc(OrvsFFTSpec_C_32sc* pSpec) { return freeRecord(Kind::Int32, kIdC32sc, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_32sc(const OrvsFFTSpec_C_32sc* pSpec, int* pBufferSize) { return getBufSize(kIdC32sc, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc* pDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32sc, false, false, pSrc, nullptr, pDst, nullptr, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32sc_ISfs(Orv32sc* pSrcDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32sc, false, false, pSrcDst, nullptr, pSrcDst, nullptr, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32sc_Sfs(const Orv32sc* pSrc, Orv32sc* pDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32sc, true, false, pSrc, nullptr, pDst, nullptr, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32sc_ISfs(Orv32sc* pSrcDst, const OrvsFFTSpec_C_32sc* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32sc, true, false, pSrcDst, nullptr, pSrcDst, nullptr, pSpec, scaleFactor, pBuffer); }

// ---- C_32s
ORVS_API OrvStatus orvsFFTGetSize_C_32s(int order, int flag, OrvHintAlgorithm hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize)
{ return getSize(Kind::Int32, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize); }
ORVS_API OrvStatus orvsFFTInit_C_32s(OrvsFFTSpec_C_32s** ppSpec, int order, int flag, OrvHintAlgorithm hint, Orv8u* pMemSpec, Orv8u* pMemInit)
{ return initT(Kind::Int32, kIdC32s, ppSpec, order, flag, hint, pMemSpec, pMemInit); }
ORVS_API OrvStatus orvsFFTInitAlloc_C_32s(OrvsFFTSpec_C_32s** ppSpec, int order, int flag, OrvHintAlgorithm hint)
{ return initAllocT(Kind::Int32, kIdC32s, ppSpec, order, flag, hint); }
ORVS_API OrvStatus orvsFFTFree_C_32s(OrvsFFTSpec_C_32s* pSpec) { return freeRecord(Kind::Int32, kIdC32s, pSpec); }
ORVS_API OrvStatus orvsFFTGetBufSize_C_32s(const OrvsFFTSpec_C_32s* pSpec, int* pBufferSize) { return getBufSize(kIdC32s, pSpec, pBufferSize); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32s_Sfs(const Orv32s* pSrcRe, const Orv32s* pSrcIm, Orv32s* pDstRe, Orv32s* pDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32s, false, true, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTFwd_CToC_32s_ISfs(Orv32s* pSrcDstRe, Orv32s* pSrcDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32s, false, true, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32s_Sfs(const Orv32s* pSrcRe, const Orv32s* pSrcIm, Orv32s* pDstRe, Orv32s* pDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32s, true, true, pSrcRe, pSrcIm, pDstRe, pDstIm, pSpec, scaleFactor, pBuffer); }
ORVS_API OrvStatus orvsFFTInv_CToC_32s_ISfs(Orv32s* pSrcDstRe, Orv32s* pSrcDstIm, const OrvsFFTSpec_C_32s* pSpec, int scaleFactor, Orv8u* pBuffer)
{ return transformInt(Kind::Int32, kIdC32s, true, true, pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, scaleFactor, pBuffer); }
}
