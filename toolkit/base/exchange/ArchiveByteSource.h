#pragma once
// Lets the portable readers of stored data read from a framework archive.
#include "CArchive.h"
#include "imagecodec/ByteSource.h"

class ArchiveByteSource : public imagecodec::ByteSource
{
public:
    explicit ArchiveByteSource(CArchive& ar) : m_ar(ar) {}
    size_t ReadSome(void* out, size_t size) override;

private:
    CArchive& m_ar;
};
