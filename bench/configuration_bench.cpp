// Reading one configuration file from disk and parsing it into a record, as
// the start-up does eight times (the recalculation after it is not timed).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include <wx/string.h>

#include "files/configuration_file.h"
#include "files/text_file_io.h"

namespace {

/// A full configuration file written once into a private folder.
class ConfigurationFileOnDisk {
public:
    ConfigurationFileOnDisk()
    {
        char folder[] = "/tmp/ov_config_bench_XXXXXX";
        if (mkdtemp(folder) != nullptr)
            m_folder = folder;
        m_path = m_folder + "/Default Configuration.ovc";
        ConfigurationRecord record;
        for (int k = 0; k < kAspectKinds; ++k)
            record.orbs[k] = 1.5 + k;
        for (int i = 11; i < kChartPoints; ++i)
            record.pointRestricted[i] = 1;
        if (FILE* f = std::fopen(m_path.c_str(), "wb")) {
            const std::string text = WriteConfigurationText(record, kConfigAll);
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
    }
    ~ConfigurationFileOnDisk()
    {
        std::remove(m_path.c_str());
        ::rmdir(m_folder.c_str());
    }
    wxString Path() const { return wxString::FromUTF8(m_path); }

private:
    std::string m_folder = "/tmp";
    std::string m_path;
};

void BM_ConfigurationReadAndParse(benchmark::State& state)
{
    const ConfigurationFileOnDisk file;
    const wxString path = file.Path();
    for (auto _ : state) {
        std::string bytes;
        if (ReadFileBytes(path, &bytes) != FileReadResult::Ok ||
            CheckConfigurationHeaderBytes(bytes) != ConfigHeaderStatus::Ok) {
            state.SkipWithError("cannot read the configuration file");
            break;
        }
        ConfigurationRecord record;
        ReadConfigurationText(bytes, kConfigAll, &record);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_ConfigurationReadAndParse)->Unit(benchmark::kMicrosecond);

void BM_ConfigurationWrite(benchmark::State& state)
{
    ConfigurationRecord record;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteConfigurationText(record, kConfigAll));
}
BENCHMARK(BM_ConfigurationWrite)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

void BM_ConfigurationParseOnly(benchmark::State& state)
{
    ConfigurationRecord source;
    const std::string bytes = WriteConfigurationText(source, kConfigAll);
    for (auto _ : state) {
        ConfigurationRecord record;
        ReadConfigurationText(bytes, kConfigAll, &record);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_ConfigurationParseOnly)->Unit(benchmark::kMicrosecond);

} // namespace
