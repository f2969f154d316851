// tables2bin [--end-zeros N] <source.txt> <output.bin>
// Compiles a reference table source (see table_source.h) into the bytes of its raw data resource.
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "output_file.h"
#include "table_source.h"

namespace {

int Run(int argc, char** argv) {
  int endZeros = 0;
  int arg = 1;
  if (arg + 1 < argc && std::strcmp(argv[arg], "--end-zeros") == 0) {
    endZeros = std::stoi(argv[arg + 1]);
    arg += 2;
  }
  if (argc - arg != 2 || endZeros < 0) {
    std::cerr << "usage: tables2bin [--end-zeros N] <source.txt> <output.bin>\n";
    return 2;
  }
  const std::string sourcePath = argv[arg];
  const std::string outputPath = argv[arg + 1];

  std::ifstream source(sourcePath);
  if (!source) throw std::runtime_error(sourcePath + ": cannot open");
  const std::vector<std::uint8_t> bytes =
      kestrelle::tables::EncodeTable(kestrelle::tables::ParseTableSource(source, sourcePath), endZeros);

  if (!kestrelle::tools::WriteWholeFile(outputPath, {reinterpret_cast<const char*>(bytes.data()), bytes.size()})) {
    throw std::runtime_error(outputPath + ": cannot write");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "tables2bin: " << e.what() << '\n';
    return 1;
  }
}
