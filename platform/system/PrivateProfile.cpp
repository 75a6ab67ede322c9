#include "platform/system/PrivateProfile.h"

#include "platform/system/TextCase.h"
#include "platform/system/Utf16.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quor::system {

namespace {

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::u16string_view name; // section name or key, trimmed
    std::u16string_view value; // entry value, trimmed
};

std::u16string_view Trim(std::u16string_view text)
{
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

ParsedLine Parse(std::u16string_view line)
{
    ParsedLine parsed;
    const std::u16string_view text = Trim(line);
    if (text.empty() || text.front() == u';' || text.front() == u'#')
        return parsed;
    if (text.front() == u'[') {
        // As on Windows, a header without ']' names the section up to the end of the line.
        const size_t close = text.find(u']');
        parsed.kind = LineKind::Section;
        parsed.name = Trim(text.substr(1, close == std::u16string_view::npos ? close : close - 1));
        return parsed;
    }
    const size_t equals = text.find(u'=');
    if (equals == std::u16string_view::npos)
        return parsed;
    parsed.kind = LineKind::Entry;
    parsed.name = Trim(text.substr(0, equals));
    parsed.value = Trim(text.substr(equals + 1));
    return parsed;
}

// A text file as lines without their line ends.
struct Document {
    std::vector<std::u16string> lines;
    std::u16string eol = u"\n";
    bool utf8Bom = false;

    // Index of the section's header line, or npos.
    size_t FindSection(std::u16string_view section) const
    {
        for (size_t i = 0; i < lines.size(); ++i) {
            const ParsedLine p = Parse(lines[i]);
            if (p.kind == LineKind::Section && EqualsNoCase(p.name, section))
                return i;
        }
        return npos;
    }

    // One past the section's last line (the next header or the end).
    size_t SectionEnd(size_t header) const
    {
        size_t i = header + 1;
        while (i < lines.size() && Parse(lines[i]).kind != LineKind::Section)
            ++i;
        return i;
    }

    size_t FindKey(size_t header, std::u16string_view key) const
    {
        const size_t end = SectionEnd(header);
        for (size_t i = header + 1; i < end; ++i) {
            const ParsedLine p = Parse(lines[i]);
            if (p.kind == LineKind::Entry && EqualsNoCase(p.name, key))
                return i;
        }
        return npos;
    }

    static constexpr size_t npos = size_t(-1);
};

std::u16string DecodeUtf16Le(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += char16_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8));
    return text;
}

enum class ReadResult { Read, Missing, Failed };

ReadResult ReadDocument(const std::filesystem::path& file, Document& doc)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return ReadResult::Failed;
        }
        if (n == 0)
            break;
        bytes.append(buffer, size_t(n));
    }
    ::close(fd);

    std::u16string text;
    if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE) {
        text = DecodeUtf16Le(std::string_view(bytes).substr(2));
    } else {
        std::string_view body(bytes);
        if (body.size() >= 3 && body.substr(0, 3) == "\xEF\xBB\xBF") {
            doc.utf8Bom = true;
            body.remove_prefix(3);
        }
        text = FromUtf8(body);
    }

    size_t start = 0;
    bool eolKnown = false;
    while (start < text.size()) {
        size_t end = text.find(u'\n', start);
        const bool lastLine = end == std::u16string::npos;
        if (lastLine)
            end = text.size();
        size_t lineEnd = end;
        const bool crlf = lineEnd > start && text[lineEnd - 1] == u'\r';
        if (crlf)
            --lineEnd;
        if (!lastLine && !eolKnown) {
            doc.eol = crlf ? u"\r\n" : u"\n";
            eolKnown = true;
        }
        doc.lines.emplace_back(text, start, lineEnd - start);
        start = end + 1;
    }
    return ReadResult::Read;
}

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// Replaces the file by the document: temporary file in the same folder, fsync, rename, fsync of
// the folder, so that the file is always either the old or the new one.
bool WriteDocument(const std::filesystem::path& requested, const Document& doc)
{
    std::error_code ec;
    std::filesystem::path file = requested;
    if (std::filesystem::is_symlink(requested, ec)) {
        // Replace the link's target, not the link.
        file = std::filesystem::canonical(requested, ec);
        if (ec)
            return false;
    }

    std::u16string text;
    for (const std::u16string& line : doc.lines) {
        text += line;
        text += doc.eol;
    }
    std::string bytes = doc.utf8Bom ? "\xEF\xBB\xBF" : "";
    bytes += ToUtf8(text);

    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    std::string tempName = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        return false;

    struct stat existing {};
    const mode_t mode = ::stat(file.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(tempName.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        return false;
    }
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

std::mutex& WriteMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Serialises read-modify-write of files in one folder: a mutex between this process's threads
// and an advisory lock on the folder between processes (several programs share the registry
// file). The folder is locked, not the file, because each write replaces the file.
class WriteLock {
public:
    explicit WriteLock(const std::filesystem::path& file) : m_guard(WriteMutex())
    {
        const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
        m_folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_folderFd >= 0) {
            while (::flock(m_folderFd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~WriteLock()
    {
        if (m_folderFd >= 0)
            ::close(m_folderFd); // releases the lock
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    std::lock_guard<std::mutex> m_guard;
    int m_folderFd = -1;
};

bool HasLineBreak(std::u16string_view text)
{
    return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

bool IsWritableSectionName(std::u16string_view section)
{
    return !Trim(section).empty() && !HasLineBreak(section) &&
           section.find(u']') == std::u16string_view::npos;
}

bool IsWritableKey(std::u16string_view key)
{
    const std::u16string_view trimmed = Trim(key);
    return !trimmed.empty() && !HasLineBreak(key) && key.find(u'=') == std::u16string_view::npos &&
           trimmed.front() != u'[' && trimmed.front() != u';' && trimmed.front() != u'#';
}

bool EndsWithBlankLine(const Document& doc)
{
    return doc.lines.empty() || Trim(doc.lines.back()).empty();
}

std::u16string SectionHeader(std::u16string_view section)
{
    return u"[" + std::u16string(Trim(section)) + u"]";
}

} // namespace

std::optional<std::u16string> FindPrivateProfileString(std::u16string_view section,
                                                       std::u16string_view key,
                                                       const std::filesystem::path& file)
{
    Document doc;
    if (ReadDocument(file, doc) != ReadResult::Read)
        return std::nullopt;
    const size_t header = doc.FindSection(Trim(section));
    if (header == Document::npos)
        return std::nullopt;
    const size_t line = doc.FindKey(header, Trim(key));
    if (line == Document::npos)
        return std::nullopt;
    return std::u16string(Parse(doc.lines[line]).value);
}

std::u16string GetPrivateProfileStringW(std::u16string_view section, std::u16string_view key,
                                        std::u16string_view defaultValue,
                                        const std::filesystem::path& file, size_t maxChars)
{
    std::u16string value =
        FindPrivateProfileString(section, key, file).value_or(std::u16string(defaultValue));
    if (value.size() > maxChars)
        value.resize(maxChars);
    return value;
}

int32_t GetPrivateProfileIntW(std::u16string_view section, std::u16string_view key,
                              int32_t defaultValue, const std::filesystem::path& file)
{
    const std::optional<std::u16string> found = FindPrivateProfileString(section, key, file);
    if (!found || found->empty())
        return defaultValue;
    std::u16string_view text = Trim(*found);
    bool negative = false;
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    uint32_t base = 10;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    uint32_t result = 0; // wraps at 32 bits as on Windows
    for (char16_t c : text) {
        uint32_t digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            break;
        result = result * base + digit;
    }
    return int32_t(negative ? 0u - result : result);
}

std::vector<std::u16string> GetPrivateProfileSectionW(std::u16string_view section,
                                                      const std::filesystem::path& file,
                                                      size_t maxChars)
{
    std::vector<std::u16string> entries;
    Document doc;
    if (ReadDocument(file, doc) != ReadResult::Read)
        return entries;
    const size_t header = doc.FindSection(Trim(section));
    if (header == Document::npos)
        return entries;
    size_t used = 1; // the final terminator
    const size_t end = doc.SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        const ParsedLine p = Parse(doc.lines[i]);
        if (p.kind != LineKind::Entry)
            continue;
        std::u16string entry = std::u16string(p.name) + u"=" + std::u16string(p.value);
        if (used + entry.size() + 1 > maxChars)
            break;
        used += entry.size() + 1;
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool WritePrivateProfileStringW(std::u16string_view section, std::u16string_view key,
                                std::optional<std::u16string_view> value,
                                const std::filesystem::path& file)
{
    if (!IsWritableSectionName(section) || !IsWritableKey(key) || (value && HasLineBreak(*value)))
        return false;
    section = Trim(section);
    key = Trim(key);

    const WriteLock lock(file);
    Document doc;
    if (ReadDocument(file, doc) == ReadResult::Failed)
        return false;

    const size_t header = doc.FindSection(section);
    if (header == Document::npos) {
        if (!value)
            return true;
        if (!EndsWithBlankLine(doc))
            doc.lines.emplace_back();
        doc.lines.push_back(SectionHeader(section));
        doc.lines.push_back(std::u16string(key) + u"=" + std::u16string(Trim(*value)));
        return WriteDocument(file, doc);
    }

    const size_t line = doc.FindKey(header, key);
    if (line != Document::npos) {
        if (!value) {
            doc.lines.erase(doc.lines.begin() + std::ptrdiff_t(line));
        } else {
            const std::u16string spelled(Parse(doc.lines[line]).name);
            doc.lines[line] = spelled + u"=" + std::u16string(Trim(*value));
        }
        return WriteDocument(file, doc);
    }
    if (!value)
        return true;
    // After the section's last non-blank line, so that a blank line before the next section stays.
    size_t insertAt = doc.SectionEnd(header);
    while (insertAt > header + 1 && Trim(doc.lines[insertAt - 1]).empty())
        --insertAt;
    doc.lines.insert(doc.lines.begin() + std::ptrdiff_t(insertAt),
                     std::u16string(key) + u"=" + std::u16string(Trim(*value)));
    return WriteDocument(file, doc);
}

bool HasPrivateProfileSection(std::u16string_view section, const std::filesystem::path& file)
{
    Document doc;
    return ReadDocument(file, doc) == ReadResult::Read && doc.FindSection(Trim(section)) != Document::npos;
}

bool CreatePrivateProfileSection(std::u16string_view section, const std::filesystem::path& file)
{
    if (!IsWritableSectionName(section))
        return false;
    const WriteLock lock(file);
    Document doc;
    if (ReadDocument(file, doc) == ReadResult::Failed)
        return false;
    if (doc.FindSection(Trim(section)) != Document::npos)
        return true;
    if (!EndsWithBlankLine(doc))
        doc.lines.emplace_back();
    doc.lines.push_back(SectionHeader(section));
    return WriteDocument(file, doc);
}

} // namespace quor::system
