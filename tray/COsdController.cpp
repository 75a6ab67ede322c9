#include "tray/COsdController.h"

#include "platform/com/Com.h"
#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

using namespace quor::win;

namespace {

// No OLE1 DDE: the display windows do not take part in it.
constexpr DWORD COINIT_DISABLE_OLE1DDE = 0x4;

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

} // namespace

COsdController::COsdController()
{
    m_state.profileText.clear();
}

COsdController::~COsdController()
{
    m_sliderWindow.reset();
    m_profileWindow.reset();
    if (m_comInitialized)
        CoUninitialize();
}

HRESULT COsdController::CreateDisplays()
{
    if (!m_comInitialized) {
        const HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        if (FAILED(initialized))
            return initialized;
        m_comInitialized = true;
    }
    if (!COsdWindow::DisplayScreen())
        return E_FAIL;
    m_profileWindow = std::make_unique<COsdProfileWindow>(m_state);
    m_profileWindow->Place();
    m_profileWindow->hide();
    m_sliderWindow = std::make_unique<COsdSliderWindow>(m_state);
    m_sliderWindow->Place();
    m_sliderWindow->hide();
    // A change of monitors places both windows again.
    const auto displayChanged = [this] {
        PostMessage(m_profileWindow.get(), WM_DISPLAYCHANGE, 0, 0);
        PostMessage(m_sliderWindow.get(), WM_DISPLAYCHANGE, 0, 0);
    };
    QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, m_profileWindow.get(), displayChanged);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, m_profileWindow.get(), displayChanged);
    QObject::connect(COsdWindow::DisplayScreen(), &QScreen::geometryChanged, m_profileWindow.get(), displayChanged);
    return S_OK;
}

void COsdController::ShowProfileText(std::u16string_view text)
{
    size_t units = std::min(text.size(), OsdState::kProfileTextChars);
    if (units < text.size() && units > 0 && IsHighSurrogate(text[units - 1]))
        --units;
    m_state.profileText.assign(text.substr(0, units));
    PostMessage(m_profileWindow.get(), UM_OSDSHOW, 0, 0);
}

OsdState::Gauge COsdController::MakeGauge(uint32_t bars, std::u16string_view text) const
{
    OsdState::Gauge gauge;
    gauge.bars = std::min(bars, static_cast<uint32_t>(std::max(m_state.barMaximum, 0)));
    gauge.text.assign(text.substr(0, OsdState::kGaugeTextChars));
    return gauge;
}

void COsdController::ShowSensitivity(uint32_t bars, std::u16string_view text)
{
    m_state.gaugeA = MakeGauge(bars, text);
    m_state.sensitivityMode = OsdState::SensitivityMode::Single;
    PostMessage(m_sliderWindow.get(), UM_OSDSHOW, 0, 0);
}

void COsdController::ShowSensitivityXY(uint32_t barsX, std::u16string_view textX, uint32_t barsY,
                                       std::u16string_view textY)
{
    if (textX.size() > OsdState::kGaugeTextChars)
        return;
    m_state.gaugeA = MakeGauge(barsY, textY);
    m_state.gaugeB = MakeGauge(barsX, textX);
    m_state.sensitivityMode = OsdState::SensitivityMode::XY;
    PostMessage(m_sliderWindow.get(), UM_OSDSHOW, 0, 0);
}
