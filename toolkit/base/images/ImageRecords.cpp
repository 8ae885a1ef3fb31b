#include "ImageRecords.h"

#include <vector>

#include "AlphaBitmaps.h"
#include "ArchiveByteSource.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "CXTPImageManagerIconHandle.h"
#include "imagecodec/BitmapRecordReader.h"

void ImageRecords::StoreBitmapRecord(CArchive& ar, HBITMAP hBitmap)
{
    std::vector<BYTE> header, bits;
    if (!hBitmap || !AlphaBitmaps::CaptureBitmapBits(hBitmap, header, bits))
    {
        ar.WriteCount(0);
        return;
    }
    ar.WriteCount(header.size());
    ar.Write(header.data(), static_cast<UINT>(header.size()));
    ar.WriteCount(bits.size());
    ar.Write(bits.data(), static_cast<UINT>(bits.size()));
}

HBITMAP ImageRecords::LoadBitmapRecord(CArchive& ar)
{
    ArchiveByteSource source(ar);
    std::optional<imagecodec::BitmapRecord> record;
    if (!imagecodec::BitmapRecordReader::Read(source, record))
        AfxThrowArchiveException(CArchiveException::genericException);
    if (!record)
        return nullptr;
    return AlphaBitmaps::CreateDib(record->headerBytes.data(), record->bits.data(), record->bits.size());
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
        ICONINFO info{};
        if (!hIcon.GetIcon() || !GetIconInfo(hIcon.GetIcon(), &info))
        {
            ar.WriteCount(0);
            ar.WriteCount(0);
            return;
        }
        StoreBitmapRecord(ar, info.hbmColor);
        StoreBitmapRecord(ar, info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return;
    }
    HBITMAP hColor = LoadBitmapRecord(ar);
    HBITMAP hMask = nullptr;
    try
    {
        hMask = LoadBitmapRecord(ar);
    }
    catch (...)
    {
        if (hColor)
            DeleteObject(hColor);
        throw;
    }
    hIcon.Clear();
    if (!hColor)
    {
        if (hMask)
            DeleteObject(hMask);
        return;
    }
    if (!hMask)
    {
        hIcon.TakeBitmap(hColor);
        return;
    }
    // The colour and the mask become an icon again.
    ICONINFO info{TRUE, 0, 0, hMask, hColor};
    if (HICON hNew = CreateIconIndirect(&info))
        hIcon.SetIcon(hNew);
    DeleteObject(hColor);
    DeleteObject(hMask);
}
