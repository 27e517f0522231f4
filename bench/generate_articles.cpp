// Writes a hardware articles file of about the given size, for measuring the
// reader and the check on large files.
//
// Usage: generate_articles <output.xml> <megabytes>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: generate_articles <output.xml> <megabytes>\n");
    return 2;
  }
  FILE* f = std::fopen(argv[1], "wb");
  if (f == nullptr) {
    std::perror(argv[1]);
    return 2;
  }
  const long long tinta = std::atoll(argv[2]) * 1024 * 1024;
  long long scris = std::fprintf(f,
                                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                 "<Base FormatVersion=\"2\" Content=\"HardwareArticles\" Generator=\"bench\">\r\n");
  for (long long i = 1; scris < tinta; ++i) {
    scris += std::fprintf(
        f,
        "  <Record Code=\"A-%08lld\" Mark=\"Mark%lld\" Colour=\"RAL %lld\" Description=\"Espagnolete %lld mm, "
        "galvanised\" MU=\"pcs\" Price=\"%lld.%02lld\" Currency=\"EUR\" FittingType=\"Espagnolete\" "
        "Length=\"%lld\" Weight=\"%lld\" ConsumptionCategory=\"FER\">\r\n"
        "    <WeightChart>\r\n"
        "      <WeightChartRecord KgPerMP=\"20\" X0=\"400\" Y0=\"400\" X1=\"1200\" Y1=\"1600\" X2=\"1600\" Y2=\"1200\"/>\r\n"
        "      <WeightChartRecord KgPerMP=\"30\" X0=\"400\" Y0=\"400\" X1=\"1000\" Y1=\"1400\" X2=\"1400\" Y2=\"1000\"/>\r\n"
        "    </WeightChart>\r\n"
        "  </Record>\r\n",
        i, i % 7, 9000 + i % 20, 300 + i % 1500, i % 97, i % 100, 300 + i % 1500, 100 + i % 900);
  }
  scris += std::fprintf(f, "</Base>\r\n");
  std::fclose(f);
  return 0;
}
