#include "ArchiveByteSource.h"

#include <algorithm>
#include <climits>

size_t ArchiveByteSource::ReadSome(void* out, size_t size)
{
    size_t done = 0;
    while (done < size)
    {
        const UINT now = static_cast<UINT>(std::min<size_t>(size - done, UINT_MAX));
        const UINT got = m_ar.Read(static_cast<BYTE*>(out) + done, now);
        done += got;
        if (got < now)
            break;
    }
    return done;
}
