#include "NonClientMetrics.h"

NonClientMetrics::NonClientMetrics() : NONCLIENTMETRICSW{}
{
    cbSize = kSize;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kSize, static_cast<NONCLIENTMETRICSW*>(this), 0);
}
