#pragma once
// The colour and mask of an icon as 32-bit bitmap records. An icon read from
// an archive is kept in this form and made only when first asked for, and
// storing writes these records without reading the icon again: reading an
// icon's bitmaps and making an icon are the costly steps of both roads.
#include <memory>
#include <vector>

#include "Framework.h"

class IconBits
{
public:
    // A header of AlphaBitmaps::kHeaderBytes and the pixels it describes;
    // both empty for "no bitmap".
    struct Record
    {
        std::vector<BYTE> header;
        std::vector<BYTE> bits;
        bool IsEmpty() const { return header.empty(); }
    };

    // Null when the icon cannot be read.
    static std::shared_ptr<const IconBits> Capture(HICON hIcon);
    // Null unless the records are exactly what capturing the icon made of
    // them would give again, so that storing them unchanged stores the same bytes.
    static std::shared_ptr<const IconBits> FromCapturedRecords(Record colour, Record mask);

    const Record& Colour() const { return m_colour; }
    const Record& Mask() const { return m_mask; }
    // The mask's size, halved for a monochrome icon (whose mask holds both masks).
    CSize Extent() const;
    // A new icon; null on failure.
    HICON MakeIcon() const;

private:
    IconBits(Record colour, Record mask) : m_colour(std::move(colour)), m_mask(std::move(mask)) {}

    Record m_colour;
    Record m_mask;
};
