// Start-up work: the text table with a language file that sets all 5400
// entries, and the creation of the main window (offscreen).
#include "app/AppState.h"
#include "app/UMavreloFirmWare.h"
#include "i18n/Language.h"
#include "SilentMessages.h"


#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path benchFolder()
{
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "cfq-bench-startup";
        std::filesystem::create_directories(path / "LANGUAGE");
        std::ofstream file(path / "LANGUAGE" / "Full.lng");
        for (int index = 0; index < cfq::kTextTableSize; ++index)
            file << "STR" << index << " = Translated text number " << index << " /#/ remark\r\n";
        std::ofstream settings(path / "Mavrel.xml");
        settings << "<Conf_Settings><lastlang><language>Full</language></lastlang></Conf_Settings>";
        return path;
    }();
    return folder;
}

void TextTableWithFullLanguageFile(benchmark::State& loop)
{
    cfq::AppState state;
    state.Language_Dir = benchFolder() / "LANGUAGE";
    for (auto _ : loop) {
        state.Language_Name = "Full";
        cfq::Load_Language(state);
        benchmark::DoNotOptimize(state.Text_Table[5399]);
    }
}
BENCHMARK(TextTableWithFullLanguageFile)->Unit(benchmark::kMillisecond);

void MainWindowCreation(benchmark::State& loop)
{
    SilentMessages messages;
    for (auto _ : loop) {
        cfq::AppState state;
        cfq::TFMavreloFirmWare window(state, cfq::Services{messages, [](const std::string&) {}}, benchFolder());
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(MainWindowCreation)->Unit(benchmark::kMillisecond);

} // namespace
