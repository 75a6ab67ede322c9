#pragma once

// The device object of this mouse (see IMouseDevice). It holds the device only during an
// operation; a background write holds it on its own writer thread until the write's end.
//
// The writer thread takes copies of the tables and of the assignable buttons and keys, and its
// own references to the device, so it needs nothing of this object while it runs. It reads
// and changes the store without a lock: callers keep the store's profiles and macros alive and
// do not start a second write while IsBusy. Only one background write runs in the process at a
// time.

#include "device/DeviceTables.h"
#include "device/IDevice.h"
#include "device/IDeviceEnum.h"
#include "device/IMouseDevice.h"
#include "platform/com/ComPtr.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class ConfigurationTransfer;
struct IProfile;
class WriterState;

class CMouse : public IMouseDevice {
public:
    // How long the writer keeps the device after a write, and how long destruction waits for a
    // running writer.
    static constexpr std::chrono::milliseconds kWriterPause{500};
    static constexpr std::chrono::milliseconds kWriterWaitOnDestruction{7500};
    static constexpr int32_t kMaxProfiles = 5;

    CMouse() = default;
    CMouse(const CMouse&) = delete;
    CMouse& operator=(const CMouse&) = delete;
    ~CMouse() override;

    bool Connect(IMouseConfig* store, const uint16_t* type) override;
    void Reset() override;
    int32_t GetPollingRateCount() const override;
    uint32_t GetPollingRateAt(int32_t index) const override;
    int32_t GetMaxProfiles() const override;
    int32_t GetDeviceProfileCount() override;
    bool IsBusy() override;
    bool AddMacro(CMacro* macro) override;
    bool ReadMacro(const ModelId& id, CMacro* macro) override;
    bool DeleteAllMacros() override;
    bool ImportMacroFile(std::u16string_view path, IMouseConfig* store) override;
    bool ExportMacroFile(std::u16string_view path, CMacro* macro) override;
    bool HasMacro(CMacro* macro) override;
    bool ImportProfileFile(std::u16string_view path, IMouseConfig* store) override;
    bool ExportProfileFile(std::u16string_view path, IMouseProfile* profile) override;
    bool HasProfile(IMouseProfile* profile) override;
    bool Transfer(IMouseConfig* store, int32_t mode, uint32_t mask) override;
    bool IsConnected() const override;
    bool GetFirmwareVersion(std::u16string& version) const override;
    bool GetDriverVersion(std::u16string& version) const override;
    uint32_t GetTypeNumber() const override;

    // Beyond the design's slots:
    // the pause after a background write (tests and benchmarks shorten it);
    void SetWriterPause(std::chrono::milliseconds pause) { m_writerPause = pause; }
    // how long destruction waits for a running writer before it gives the writer up;
    void SetDestructionWait(std::chrono::milliseconds wait) { m_destructionWait = wait; }
    // the buttons the device can assign (device bits, ascending) and its key scan codes, as
    // Connect read them.
    const std::vector<uint32_t>& GetButtonBits() const { return m_buttonBits; }
    const std::vector<uint32_t>& GetKeyIds() const { return m_keyIds; }
    const DeviceTables& GetTables() const { return m_tables; }

private:
    // Device search: the first device of the type number, held with its enumerator. Fails while
    // a background write runs, for type 0, or when a device is still held.
    bool FindDevice();
    void LetGo();
    // A transfer on the held device.
    ConfigurationTransfer MakeTransfer();
    // Runs an operation of the transfer on the device found for it, and lets the device go.
    template <typename Operation>
    bool WithDevice(Operation operation);

    bool ReadVersions();
    bool LoadProfiles(IMouseConfig* store);
    bool ReadCapabilities(IProfile* profile);
    bool ReadPollingRates();
    // Forgets a writer that has completed.
    void ReapWriter();

    DeviceTables m_tables;
    quor::com::ComPtr<IDeviceEnum> m_enumerator;
    quor::com::ComPtr<IDevice> m_device;
    uint32_t m_typeNumber = 0;
    uint8_t m_connected = 0;
    std::vector<uint32_t> m_buttonBits;
    std::vector<uint32_t> m_keyIds;
    std::vector<uint32_t> m_pollingRates;
    std::u16string m_firmwareVersion;
    std::u16string m_driverVersion;
    std::shared_ptr<WriterState> m_writer; // set while a background write runs
    std::thread m_writerThread;
    std::chrono::milliseconds m_writerPause = kWriterPause;
    std::chrono::milliseconds m_destructionWait = kWriterWaitOnDestruction;
};
