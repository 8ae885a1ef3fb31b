#include "ImageRecords.h"

#include "AlphaBitmaps.h"
#include "ArchiveByteSource.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "CXTPImageManagerIconHandle.h"
#include "imagecodec/BitmapRecordReader.h"

namespace
{
HBITMAP CreateDib(const IconBits::Record& record)
{
    return record.IsEmpty() ? nullptr : AlphaBitmaps::CreateDib(record.header.data(), record.bits.data(), record.bits.size());
}
} // namespace

void ImageRecords::StoreRecord(CArchive& ar, const IconBits::Record& record)
{
    if (record.IsEmpty())
    {
        ar.WriteCount(0);
        return;
    }
    ar.WriteCount(record.header.size());
    ar.Write(record.header.data(), static_cast<UINT>(record.header.size()));
    ar.WriteCount(record.bits.size());
    ar.Write(record.bits.data(), static_cast<UINT>(record.bits.size()));
}

void ImageRecords::StoreBitmapRecord(CArchive& ar, HBITMAP hBitmap)
{
    IconBits::Record record;
    if (!hBitmap || !AlphaBitmaps::CaptureBitmapBits(hBitmap, record.header, record.bits))
        record = {};
    StoreRecord(ar, record);
}

IconBits::Record ImageRecords::LoadRecord(CArchive& ar)
{
    ArchiveByteSource source(ar);
    std::optional<imagecodec::BitmapRecord> record;
    if (!imagecodec::BitmapRecordReader::Read(source, record))
        AfxThrowArchiveException(CArchiveException::genericException);
    if (!record)
        return {};
    return {std::move(record->headerBytes), std::move(record->bits)};
}

void ImageRecords::ArchiveImageHandle(CXTPImageManagerIconHandle& hIcon, CArchive& ar)
{
    if (ar.IsStoring())
    {
        if (hIcon.IsAlpha())
        {
            StoreBitmapRecord(ar, hIcon.GetBitmap());
            ar.WriteCount(0);
            return;
        }
        const auto pBits = hIcon.GetIconBits();
        StoreRecord(ar, pBits ? pBits->Colour() : IconBits::Record{});
        StoreRecord(ar, pBits ? pBits->Mask() : IconBits::Record{});
        return;
    }
    IconBits::Record colour = LoadRecord(ar);
    IconBits::Record mask = LoadRecord(ar);
    hIcon.Clear();
    if (colour.IsEmpty())
        return;
    if (mask.IsEmpty())
    {
        if (HBITMAP hBitmap = CreateDib(colour))
            hIcon.TakeBitmap(hBitmap);
        return;
    }
    // The icon is made when first asked for, unless its records would not
    // come back the same from it.
    if (auto pBits = IconBits::FromCapturedRecords(colour, mask))
    {
        hIcon.SetIconBits(std::move(pBits));
        return;
    }
    HBITMAP hColor = CreateDib(colour);
    HBITMAP hMask = CreateDib(mask);
    ICONINFO info{TRUE, 0, 0, hMask, hColor};
    if (HICON hNew = hColor && hMask ? CreateIconIndirect(&info) : nullptr)
        hIcon.SetIcon(hNew);
    if (hColor)
        DeleteObject(hColor);
    if (hMask)
        DeleteObject(hMask);
}
