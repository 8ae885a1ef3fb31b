#pragma once
// Record numbers of the BIFF8 workbook stream that the reader and writer use.
#include <cstdint>

namespace xls::biff {

inline constexpr uint16_t kFormula = 0x0006;
inline constexpr uint16_t kEof = 0x000A;
inline constexpr uint16_t kFilePass = 0x002F;
inline constexpr uint16_t kFont = 0x0031;
inline constexpr uint16_t kContinue = 0x003C;
inline constexpr uint16_t kWindow1 = 0x003D;
inline constexpr uint16_t kCodePage = 0x0042;
inline constexpr uint16_t kBoundSheet = 0x0085;
inline constexpr uint16_t kMulRk = 0x00BD;
inline constexpr uint16_t kRString = 0x00D6;
inline constexpr uint16_t kXf = 0x00E0;
inline constexpr uint16_t kSst = 0x00FC;
inline constexpr uint16_t kExtSst = 0x00FF;
inline constexpr uint16_t kLabelSst = 0x00FD;
inline constexpr uint16_t kDimensions = 0x0200;
inline constexpr uint16_t kNumber = 0x0203;
inline constexpr uint16_t kLabel = 0x0204;
inline constexpr uint16_t kBoolErr = 0x0205;
inline constexpr uint16_t kString = 0x0207;
inline constexpr uint16_t kWindow2 = 0x023E;
inline constexpr uint16_t kRk = 0x027E;
inline constexpr uint16_t kStyle = 0x0293;
inline constexpr uint16_t kFormat = 0x041E;
inline constexpr uint16_t kBof = 0x0809;

inline constexpr uint16_t kBiff8 = 0x0600;
inline constexpr uint16_t kGlobalsSubstream = 0x0005;
inline constexpr uint16_t kWorksheetSubstream = 0x0010;
// Largest record body; longer data goes on in CONTINUE records.
inline constexpr uint16_t kMaxRecordData = 8224;

}  // namespace xls::biff
