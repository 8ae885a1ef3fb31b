#pragma once
// The archive form of images: a bitmap record is count h, h bytes of header,
// count n, n bytes of 32-bit pixels (one count 0 for none); an image is two
// records: colour and mask of an icon, an alpha bitmap and none, or none twice.
#include <optional>

#include "Framework.h"
#include "IconBits.h"

class CArchive;
class CXTPImageManagerIconHandle;

class ImageRecords
{
public:
    static void ArchiveImageHandle(CXTPImageManagerIconHandle& hIcon, CArchive& ar);
    static void StoreBitmapRecord(CArchive& ar, HBITMAP hBitmap);
    static void StoreRecord(CArchive& ar, const IconBits::Record& record);
    // An empty record for "no bitmap"; a record that does not hold together
    // throws an archive exception, so nothing of it is taken.
    static IconBits::Record LoadRecord(CArchive& ar);
};
