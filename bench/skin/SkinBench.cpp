// Loading a page document (cold and warm resource cache), a language lookup in a 600-entry table
// and a mask region of a 4000 x 1 checkerboard.

#include "platform/win/MaskRegion.h"
#include "skin/CGUIItemList.h"
#include "skin/CLangTable.h"
#include "skin/CResourceCache.h"
#include "skin/ProgramFolder.h"
#include "skin/SkinLoader.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace quor::skin;
namespace fs = std::filesystem;

constexpr int kBitmaps = 60;
constexpr int kTexts = 50;
constexpr int kButtons = 40;
constexpr int kEntries = 600;

// A program folder with one page document of 150 items naming 60 bitmaps.
class PageFolder {
public:
    PageFolder()
    {
        m_path = fs::temp_directory_path() / ("quor-skin-bench-" + std::to_string(::getpid()));
        fs::create_directories(m_path / "xml");
        fs::create_directories(m_path / "skins");
        for (int i = 0; i < kBitmaps; ++i) {
            QImage image(48, 32, QImage::Format_RGB32);
            image.fill(QColor(i * 4, 100, 200 - i * 3));
            image.save(QString::fromStdString((m_path / "skins" / ("b" + std::to_string(i) + ".bmp")).string()), "BMP");
        }
        std::string doc = "<?xml version='1.0'?><ITEMLIST><BITMAPLIST>";
        // Real ids, each used once, so lookups by id and by reference behave as in a page.
        const char* bitmapIds[] = {"BITMAP_FEROVI", "BITMAP_BUTTONNUMSTRIP", "BITMAP_BUTTONNUMSTRIP12",
                                   "BITMAP_VERTICALBARVIEWS", "BITMAP_HORIZONTALBARLONG", "BITMAP_VERTICALBARLONG"};
        for (int i = 0; i < kBitmaps; ++i)
            doc += "<BITMAPITEM name='" + std::string(bitmapIds[i % 6]) + "'><RECT left='" + std::to_string(i) +
                   "' top='4' right='48' bottom='32'/><SBMN>b" + std::to_string(i) + ".bmp</SBMN></BITMAPITEM>";
        doc += "</BITMAPLIST><BUTTONLIST>";
        for (int i = 0; i < kButtons; ++i) {
            doc += "<BUTTON name='BUTTON_ASSNTHUMBGRID" + std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) +
                   "' windowid='BITMAP_FEROVI' tooltip='$Tip' caption='Go'><RECT left='1' top='2' right='40' bottom='20'/>";
            for (const char* state : {"SBMN", "SBMO", "SBMD", "SBMDS"})
                doc += "<" + std::string(state) + ">b" + std::to_string((i * 4 + state[3]) % kBitmaps) + ".bmp</" + state + ">";
            doc += "</BUTTON>";
        }
        doc += "</BUTTONLIST><TEXTLIST>";
        for (int i = 0; i < kTexts; ++i)
            doc += "<TEXTITEM name='TEXT_DPIVALUE1' textkey='$Text" + std::to_string(i) +
                   "' justify='C' windowid='BITMAP_FEROVI'><RECT left='3' top='3' right='60' bottom='14'/></TEXTITEM>";
        doc += "</TEXTLIST></ITEMLIST>";
        std::ofstream(m_path / "xml" / "Page.xml") << doc;
        SetProgramFolder(m_path);
    }
    ~PageFolder() { fs::remove_all(m_path); }

private:
    fs::path m_path;
};

void LoadPage(benchmark::State& state, bool warm)
{
    PageFolder folder;
    QWidget owner;
    CResourceCache::Instance().ReleaseAll();
    if (warm) {
        CGUIItemList list;
        LoadSkinDocument(u"Page.xml", list, &owner);
    }
    std::size_t items = 0;
    for (auto _ : state) {
        if (!warm) {
            state.PauseTiming();
            CResourceCache::Instance().ReleaseAll();
            state.ResumeTiming();
        }
        auto list = std::make_unique<CGUIItemList>();
        LoadSkinDocument(u"Page.xml", *list, &owner);
        items = list->Size();
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["items"] = static_cast<double>(items);
    CResourceCache::Instance().ReleaseAll();
}

void BM_LoadPageDocumentCold(benchmark::State& state) { LoadPage(state, false); }
void BM_LoadPageDocumentWarm(benchmark::State& state) { LoadPage(state, true); }

void BM_LookUpText(benchmark::State& state)
{
    std::u16string file = u"English\r\nheader\r\n";
    for (int i = 0; i < kEntries; ++i) {
        const std::u16string n = QString::number(i).toStdU16String();
        file += u"Some Key Phrase Number " + n + u"\r\nSome translated text " + n + u"\r\n";
    }
    file += u"END OF FILE\r\n";
    CLangTable table;
    table.Parse(file);
    std::mt19937 random(7);
    std::vector<std::u16string> keys;
    for (int i = 0; i < 256; ++i)
        keys.push_back(u"$somekeyphrasenumber" + QString::number(random() % kEntries).toStdU16String());
    std::size_t next = 0;
    for (auto _ : state) {
        auto text = table.LookUp(keys[next++ % keys.size()]);
        benchmark::DoNotOptimize(text);
    }
}

void BM_CheckerboardRegion(benchmark::State& state)
{
    QImage mask(4000, 1, QImage::Format_RGB32);
    for (int x = 0; x < 4000; ++x)
        mask.setPixel(x, 0, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    for (auto _ : state) {
        QRegion region = quor::win::RegionFromMask(mask);
        benchmark::DoNotOptimize(region);
    }
}

} // namespace

BENCHMARK(BM_LoadPageDocumentCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPageDocumentWarm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookUpText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckerboardRegion)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
