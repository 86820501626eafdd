#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "link/serial_port.h"
#include "link/win32_comm_api.h"

namespace pemlar {

namespace {

static_assert(sizeof(DCB) == 28, "the device-control block is 28 bytes");

DCB toDcb(const LineSettings& s) {
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    dcb.BaudRate = s.baudRate;
    dcb.fBinary = s.binary;
    dcb.fParity = s.parityCheck;
    dcb.fOutxCtsFlow = s.outxCtsFlow;
    dcb.fOutxDsrFlow = s.outxDsrFlow;
    dcb.fDtrControl = static_cast<DWORD>(s.dtrControl);
    dcb.fDsrSensitivity = s.dsrSensitivity;
    dcb.fTXContinueOnXoff = s.txContinueOnXoff;
    dcb.fOutX = s.outX;
    dcb.fInX = s.inX;
    dcb.fErrorChar = s.errorCharEnabled;
    dcb.fNull = s.discardNull;
    dcb.fRtsControl = static_cast<DWORD>(s.rtsControl);
    dcb.fAbortOnError = s.abortOnError;
    dcb.XonLim = s.xonLim;
    dcb.XoffLim = s.xoffLim;
    dcb.ByteSize = s.byteSize;
    dcb.Parity = static_cast<BYTE>(s.parity);
    dcb.StopBits = static_cast<BYTE>(s.stopBits);
    dcb.XonChar = s.xonChar;
    dcb.XoffChar = s.xoffChar;
    dcb.ErrorChar = s.errorChar;
    dcb.EofChar = s.eofChar;
    dcb.EvtChar = s.evtChar;
    return dcb;
}

LineSettings fromDcb(const DCB& dcb) {
    LineSettings s;
    s.baudRate = dcb.BaudRate;
    s.binary = dcb.fBinary != 0;
    s.parityCheck = dcb.fParity != 0;
    s.outxCtsFlow = dcb.fOutxCtsFlow != 0;
    s.outxDsrFlow = dcb.fOutxDsrFlow != 0;
    s.dtrControl = static_cast<DtrControl>(dcb.fDtrControl);
    s.dsrSensitivity = dcb.fDsrSensitivity != 0;
    s.txContinueOnXoff = dcb.fTXContinueOnXoff != 0;
    s.outX = dcb.fOutX != 0;
    s.inX = dcb.fInX != 0;
    s.errorCharEnabled = dcb.fErrorChar != 0;
    s.discardNull = dcb.fNull != 0;
    s.rtsControl = static_cast<RtsControl>(dcb.fRtsControl);
    s.abortOnError = dcb.fAbortOnError != 0;
    s.xonLim = dcb.XonLim;
    s.xoffLim = dcb.XoffLim;
    s.byteSize = dcb.ByteSize;
    s.parity = static_cast<Parity>(dcb.Parity);
    s.stopBits = static_cast<StopBits>(dcb.StopBits);
    s.xonChar = dcb.XonChar;
    s.xoffChar = dcb.XoffChar;
    s.errorChar = dcb.ErrorChar;
    s.eofChar = dcb.EofChar;
    s.evtChar = dcb.EvtChar;
    return s;
}

struct ErrorName {
    DWORD code;
    std::string_view name;
};

// The codes a serial port gives in practice; others are shown by number.
constexpr std::array<ErrorName, 17> kErrorNames{{
    {ERROR_FILE_NOT_FOUND, "ERROR_FILE_NOT_FOUND"},
    {ERROR_PATH_NOT_FOUND, "ERROR_PATH_NOT_FOUND"},
    {ERROR_ACCESS_DENIED, "ERROR_ACCESS_DENIED"},
    {ERROR_INVALID_HANDLE, "ERROR_INVALID_HANDLE"},
    {ERROR_BAD_UNIT, "ERROR_BAD_UNIT"},
    {ERROR_NOT_READY, "ERROR_NOT_READY"},
    {ERROR_BAD_COMMAND, "ERROR_BAD_COMMAND"},
    {ERROR_GEN_FAILURE, "ERROR_GEN_FAILURE"},
    {ERROR_SHARING_VIOLATION, "ERROR_SHARING_VIOLATION"},
    {ERROR_NOT_SUPPORTED, "ERROR_NOT_SUPPORTED"},
    {ERROR_INVALID_PARAMETER, "ERROR_INVALID_PARAMETER"},
    {ERROR_SEM_TIMEOUT, "ERROR_SEM_TIMEOUT"},
    {ERROR_INVALID_NAME, "ERROR_INVALID_NAME"},
    {ERROR_OPERATION_ABORTED, "ERROR_OPERATION_ABORTED"},
    {ERROR_IO_DEVICE, "ERROR_IO_DEVICE"},
    {ERROR_COUNTER_TIMEOUT, "ERROR_COUNTER_TIMEOUT"},
    {ERROR_DEVICE_NOT_CONNECTED, "ERROR_DEVICE_NOT_CONNECTED"},
}};

// The system's message for `code`, in the user's language, without the line break.
std::string systemText(DWORD code) {
    std::array<char, 512> buffer{};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       buffer.data(), static_cast<DWORD>(buffer.size()), nullptr);
    std::string text(buffer.data(), std::min<std::size_t>(length, buffer.size()));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

// What a code means at a step. Windows says ERROR_ACCESS_DENIED for a port another
// program holds, and again for a USB adapter pulled out while it is open.
pemlar::FailureKind kindOf(pemlar::PortStep step, DWORD code) {
    using pemlar::FailureKind;
    const bool opening = step == pemlar::PortStep::Open;
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return opening ? FailureKind::NotFound : FailureKind::Other;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return opening ? FailureKind::Busy : FailureKind::Removed;
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_NOT_READY:
        case ERROR_GEN_FAILURE:
        case ERROR_OPERATION_ABORTED:
        case ERROR_BAD_COMMAND:
            return opening ? FailureKind::Other : FailureKind::Removed;
        default:
            return FailureKind::Other;
    }
}

// Taken right after the refused call, before anything else can change the last error.
pemlar::PortFailure lastError(pemlar::PortStep step) {
    const DWORD code = GetLastError();
    pemlar::PortFailure failure;
    failure.step = step;
    failure.kind = kindOf(step, code);
    failure.code = code;
    failure.name = "Fehler " + std::to_string(code);
    for (const ErrorName& known : kErrorNames) {
        if (known.code == code) {
            failure.name = known.name;
        }
    }
    failure.text = systemText(code);
    return failure;
}

class Win32SerialPort final : public SerialPort {
public:
    explicit Win32SerialPort(Win32CommApi api) : api_(std::move(api)) {}
    ~Win32SerialPort() override { close(); }

    bool open(const std::string& device) override {
        close();
        const HANDLE handle =
            api_.createFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            return refuse(pemlar::PortStep::Open);
        }
        handle_ = handle;
        return true;
    }

    bool setTimeouts(const CommTimeouts& t) override {
        COMMTIMEOUTS timeouts{t.readIntervalTimeout, t.readTotalTimeoutMultiplier,
                              t.readTotalTimeoutConstant, t.writeTotalTimeoutMultiplier,
                              t.writeTotalTimeoutConstant};
        return (isOpen() && api_.setCommTimeouts(handle_, &timeouts) != 0) ||
               refuse(pemlar::PortStep::Timeouts);
    }

    bool setState(const LineSettings& settings) override {
        DCB dcb = toDcb(settings);
        return (isOpen() && api_.setCommState(handle_, &dcb) != 0) ||
               refuse(pemlar::PortStep::Configure);
    }

    bool buildState(const std::string& definition, LineSettings& settings) override {
        DCB dcb = toDcb(settings);
        if (!isOpen() || api_.buildCommDCBA(definition.c_str(), &dcb) == 0) {
            return refuse(pemlar::PortStep::Configure);
        }
        settings = fromDcb(dcb);
        return true;
    }

    // One call: the driver's write time-outs bound it.
    Transfer write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds) override {
        DWORD written = 0;
        const BOOL ok =
            isOpen() && api_.writeFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()),
                                       &written, nullptr);
        if (ok == 0) {
            refuse(pemlar::PortStep::Write);
        }
        return {ok == 0, std::min<std::size_t>(written, bytes.size())};
    }

    // One ReadFile for the whole reply under the port's time-outs. With a MAXDWORD
    // interval time-out some drivers return at once with whatever is buffered, which
    // would cut a reply that is still arriving: top it up with what has come in since,
    // until it is whole or the budget is spent. A top-up only takes bytes already
    // queued, so it never starts another full time-out: the driver's timer and the
    // coarse tick counter disagree by a tick or so, and a plain second ReadFile just
    // before the deadline would wait the whole 10 ms per byte + 1 s once more.
    Transfer read(std::span<std::uint8_t> bytes, std::chrono::milliseconds budget) override {
        Transfer transfer;
        if (!isOpen()) {
            SetLastError(ERROR_INVALID_HANDLE);
            refuse(pemlar::PortStep::Read);
            transfer.callFailed = true;
            return transfer;
        }
        const ULONGLONG deadline =
            api_.getTickCount64() + static_cast<ULONGLONG>(std::max<long long>(budget.count(), 0));
        if (!readSome(bytes, bytes.size(), transfer)) {
            return transfer;
        }
        while (transfer.count < bytes.size()) {
            const ULONGLONG now = api_.getTickCount64();
            if (now >= deadline) {
                break;
            }
            DWORD errors = 0;
            COMSTAT status{};
            if (api_.clearCommError(handle_, &errors, &status) == 0) {
                refuse(pemlar::PortStep::Read);
                transfer.callFailed = true;
                break;
            }
            if (status.cbInQue == 0) {
                api_.sleep(static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)));
                continue;
            }
            if (!readSome(bytes, status.cbInQue, transfer)) {
                break;
            }
        }
        return transfer;
    }

    void purge(Buffers which) override {
        if (isOpen()) {
            api_.purgeComm(handle_,
                           which == Buffers::Input ? PURGE_RXCLEAR : PURGE_TXCLEAR | PURGE_RXCLEAR);
        }
    }

    bool close() override {
        if (!isOpen()) {
            return true;
        }
        const HANDLE handle = std::exchange(handle_, INVALID_HANDLE_VALUE);
        return api_.closeHandle(handle) != 0 || refuse(pemlar::PortStep::Close);
    }

    PortHandle handle() const override { return reinterpret_cast<PortHandle>(handle_); }

    const pemlar::PortFailure& failure() const override { return failure_; }

private:
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    // Records the last error as the reason `step` was refused; always false.
    bool refuse(pemlar::PortStep step) {
        failure_ = lastError(step);
        return false;
    }

    // Reads up to `most` of the bytes still missing; false when the call failed.
    bool readSome(std::span<std::uint8_t> bytes, std::size_t most, Transfer& transfer) {
        const auto wanted = static_cast<DWORD>(std::min(most, bytes.size() - transfer.count));
        DWORD got = 0;
        if (api_.readFile(handle_, bytes.data() + transfer.count, wanted, &got, nullptr) == 0) {
            refuse(pemlar::PortStep::Read);
            transfer.callFailed = true;
            return false;
        }
        transfer.count += std::min<std::size_t>(got, wanted);
        return true;
    }

    Win32CommApi api_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    pemlar::PortFailure failure_;
};

}  // namespace

Win32CommApi systemWin32CommApi() {
    return {
        .createFileA = &CreateFileA,
        .closeHandle = &CloseHandle,
        .setCommTimeouts = &SetCommTimeouts,
        .setCommState = &SetCommState,
        .buildCommDCBA = &BuildCommDCBA,
        .purgeComm = &PurgeComm,
        .clearCommError = &ClearCommError,
        .readFile = &ReadFile,
        .writeFile = &WriteFile,
        .getTickCount64 = &GetTickCount64,
        .sleep = [](DWORD milliseconds) { Sleep(milliseconds); },
    };
}

std::unique_ptr<SerialPort> makeWin32SerialPort(Win32CommApi api) {
    return std::make_unique<Win32SerialPort>(std::move(api));
}

SerialPortFactory systemSerialPortFactory() {
    return [] { return makeWin32SerialPort(systemWin32CommApi()); };
}

}  // namespace pemlar
