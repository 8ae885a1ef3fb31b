// Any bytes given to the workbook reader end in cells or an XlsError.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "BiffReader.h"
#include "CompoundFileReader.h"
#include "XlsError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  try {
    xls::BiffReader::Read(bytes);
  } catch (const xls::XlsError&) {
  }
  try {
    const xls::CompoundFileReader container(bytes);
    if (auto stream = container.ReadStream(u"Workbook")) xls::BiffReader::Read(*stream);
  } catch (const xls::XlsError&) {
  }
  return 0;
}
