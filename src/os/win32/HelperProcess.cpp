#include "HelperProcess.h"

#include "WideText.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace os {

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kPipeBuffer = 64 * 1024;
constexpr DWORD kLongestWait = 1'000'000;

DWORD millisecondsLeft(const HelperProcess::Deadline& deadline)
{
    if (!deadline)
        return INFINITE;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now()).count();
    return left > 0 ? static_cast<DWORD>(std::min<long long>(left, kLongestWait)) : 0;
}

// One word of a command line, quoted as the C runtime reads it back.
std::wstring quoted(const std::wstring& word)
{
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, L'\\');
    return text + L"\"";
}

// Waits for an overlapped transfer until the deadline; one still pending then is cancelled.
bool finish(HANDLE pipe, OVERLAPPED& transfer, BOOL started, DWORD& count,
            const HelperProcess::Deadline& deadline)
{
    if (!started && ::GetLastError() != ERROR_IO_PENDING)
        return false;
    if (::WaitForSingleObject(transfer.hEvent, millisecondsLeft(deadline)) != WAIT_OBJECT_0)
        ::CancelIoEx(pipe, &transfer);
    return ::GetOverlappedResult(pipe, &transfer, &count, TRUE) && count > 0;
}

// A pipe of this process's own, unique to it, whose other end the helper takes.
std::wstring pipeName(const void* handles)
{
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return L"\\\\.\\pipe\\tikora-clock-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(reinterpret_cast<std::uintptr_t>(handles)) + L"-" +
           std::to_wstring(now.QuadPart);
}

} // namespace

struct HelperProcess::Handles {
    HANDLE process = nullptr;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    HANDLE event = nullptr;

    bool transfer(char* bytes, std::size_t size, bool reading, const Deadline& deadline);
    bool spawn(const std::wstring& commandLine, const std::wstring& program, HANDLE helperEnd);
};

bool HelperProcess::Handles::transfer(char* bytes, std::size_t size, bool reading,
                                      const Deadline& deadline)
{
    while (size > 0) {
        OVERLAPPED overlapped{};
        overlapped.hEvent = event;
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(size, kPipeBuffer));
        DWORD count = 0;
        const BOOL started = reading ? ::ReadFile(pipe, bytes, part, nullptr, &overlapped)
                                     : ::WriteFile(pipe, bytes, part, nullptr, &overlapped);
        if (!finish(pipe, overlapped, started, count, deadline))
            return false;
        bytes += count;
        size -= count;
    }
    return true;
}

// Only the helper's end of the pipe is handed down: the helper inherits no other handle.
bool HelperProcess::Handles::spawn(const std::wstring& commandLine, const std::wstring& program,
                                   HANDLE helperEnd)
{
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> storage(size);
    auto* attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage.data());
    if (!::InitializeProcThreadAttributeList(attributes, 1, 0, &size))
        return false;
    HANDLE inherited[] = {helperEnd};
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = helperEnd;
    startup.StartupInfo.hStdOutput = helperEnd;
    startup.lpAttributeList = attributes;
    std::wstring line = commandLine;
    PROCESS_INFORMATION info{};
    const bool started =
        ::UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                                    sizeof inherited, nullptr, nullptr) &&
        ::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                         EXTENDED_STARTUPINFO_PRESENT | CREATE_NO_WINDOW, nullptr, nullptr,
                         &startup.StartupInfo, &info);
    ::DeleteProcThreadAttributeList(attributes);
    if (!started)
        return false;
    ::CloseHandle(info.hThread);
    process = info.hProcess;
    return true;
}

std::string ownExecutable()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return wideText::toUtf8(path);
        }
        path.resize(path.size() * 2);
    }
}

std::unique_ptr<HelperProcess> HelperProcess::start(const std::string& program,
                                                    const std::vector<std::string>& arguments)
{
    auto handles = std::make_unique<Handles>();
    const std::wstring name = pipeName(handles.get());
    handles->pipe = ::CreateNamedPipeW(
        name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
        kPipeBuffer, kPipeBuffer, 0, nullptr);
    handles->event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE helperEnd = handles->pipe == INVALID_HANDLE_VALUE
                                 ? INVALID_HANDLE_VALUE
                                 : ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                                 &inheritable, OPEN_EXISTING, 0, nullptr);
    std::wstring commandLine = quoted(wideText::fromUtf8(program));
    for (const std::string& argument : arguments)
        commandLine += L" " + quoted(wideText::fromUtf8(argument));
    const bool started = helperEnd != INVALID_HANDLE_VALUE && handles->event &&
                         handles->spawn(commandLine, wideText::fromUtf8(program), helperEnd);
    if (helperEnd != INVALID_HANDLE_VALUE)
        ::CloseHandle(helperEnd);
    if (!started) {
        if (handles->pipe != INVALID_HANDLE_VALUE)
            ::CloseHandle(handles->pipe);
        if (handles->event)
            ::CloseHandle(handles->event);
        return nullptr;
    }
    return std::unique_ptr<HelperProcess>(new HelperProcess(std::move(handles)));
}

HelperProcess::HelperProcess(std::unique_ptr<Handles> handles)
    : m_handles(std::move(handles))
{
}

HelperProcess::~HelperProcess()
{
    abandon();
    hasEnded();
    if (m_handles->event)
        ::CloseHandle(m_handles->event);
}

bool HelperProcess::send(std::string_view bytes)
{
    std::string copy(bytes);
    return m_handles->transfer(copy.data(), copy.size(), false, std::nullopt);
}

bool HelperProcess::receive(char* into, std::size_t size, Deadline deadline)
{
    return m_handles->transfer(into, size, true, deadline);
}

void HelperProcess::abandon()
{
    if (m_handles->pipe == INVALID_HANDLE_VALUE)
        return;
    ::CloseHandle(m_handles->pipe);
    m_handles->pipe = INVALID_HANDLE_VALUE;
    if (m_handles->process)
        ::TerminateProcess(m_handles->process, 1);
}

bool HelperProcess::hasEnded()
{
    if (m_handles->process && ::WaitForSingleObject(m_handles->process, 0) == WAIT_OBJECT_0) {
        ::CloseHandle(m_handles->process);
        m_handles->process = nullptr;
    }
    return m_handles->process == nullptr;
}

namespace helperChannel {

bool receive(char* into, std::size_t size)
{
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    while (size > 0) {
        DWORD count = 0;
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(size, kPipeBuffer));
        if (!::ReadFile(input, into, part, &count, nullptr) || count == 0)
            return false;
        into += count;
        size -= count;
    }
    return true;
}

bool send(std::string_view bytes)
{
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    while (!bytes.empty()) {
        DWORD count = 0;
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kPipeBuffer));
        if (!::WriteFile(output, bytes.data(), part, &count, nullptr) || count == 0)
            return false;
        bytes.remove_prefix(count);
    }
    return true;
}

bool isOpen()
{
    return ::GetFileType(::GetStdHandle(STD_INPUT_HANDLE)) == FILE_TYPE_PIPE;
}

} // namespace helperChannel

} // namespace os
