#include "SlowMirror.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <thread>

namespace {

// How a path's parts start that delay or withhold the answer.
constexpr std::string_view kSlowStart = "slow";
constexpr std::string_view kNeverStart = "never";
constexpr std::string_view kStuckStart = "stuck";
// The kernel keeps names and attributes once told, as sshfs keeps them, so that a slow path is
// slow once for each of them and then for its opening and reading.
constexpr double kCacheSeconds = 3600.0;

} // namespace

SlowMirror::SlowMirror(std::string source, std::chrono::milliseconds delay)
    : m_source(std::move(source))
    , m_delay(delay)
    , m_paths{""}
    , m_nodes{{"", FUSE_ROOT_ID}}
{
}

SlowMirror& SlowMirror::of(fuse_req_t request)
{
    return *static_cast<SlowMirror*>(fuse_req_userdata(request));
}

const fuse_lowlevel_ops& SlowMirror::operations()
{
    static const fuse_lowlevel_ops kOperations = [] {
        fuse_lowlevel_ops ops{};
        // A listing with the entries' attributes would let the kernel answer for them.
        ops.init = [](void*, fuse_conn_info* connection) {
            connection->want &= ~(FUSE_CAP_READDIRPLUS | FUSE_CAP_READDIRPLUS_AUTO);
        };
        ops.lookup = lookup;
        ops.getattr = getattr;
        ops.open = open;
        ops.read = read;
        ops.release = release;
        ops.opendir = opendir;
        ops.readdir = readdir;
        ops.releasedir = [](fuse_req_t request, fuse_ino_t, fuse_file_info*) {
            fuse_reply_err(request, 0);
        };
        return ops;
    }();
    return kOperations;
}

SlowMirror::Pace SlowMirror::paceOf(const std::string& path)
{
    Pace pace = Pace::Prompt;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = std::string_view(path).substr(start, end - start);
        if (part.starts_with(kNeverStart))
            return Pace::Never;
        if (part.starts_with(kStuckStart))
            return Pace::Stuck;
        if (part.starts_with(kSlowStart))
            pace = Pace::Slow;
        start = end + 1;
    }
    return pace;
}

void SlowMirror::answer(const std::string& path, std::function<void()> reply, bool opening)
{
    Pace pace = paceOf(path);
    if (pace == Pace::Stuck)
        pace = opening ? Pace::Never : Pace::Prompt;
    switch (pace) {
    case Pace::Prompt:
        reply();
        break;
    case Pace::Slow:
        // The server's end ends the threads of the answers still due.
        std::thread([delay = m_delay, reply = std::move(reply)] {
            std::this_thread::sleep_for(delay);
            reply();
        }).detach();
        break;
    case Pace::Never:
    case Pace::Stuck:
        // The request has been read, so the kernel waits for its answer whatever befalls the
        // process that asked; it is not even told of an interruption.
        break;
    }
}

std::string SlowMirror::pathOf(fuse_ino_t node)
{
    const std::lock_guard lock(m_mutex);
    return node >= FUSE_ROOT_ID && node - FUSE_ROOT_ID < m_paths.size()
               ? m_paths[node - FUSE_ROOT_ID]
               : std::string();
}

fuse_ino_t SlowMirror::nodeOf(const std::string& path)
{
    const std::lock_guard lock(m_mutex);
    const auto [place, added] = m_nodes.try_emplace(path, FUSE_ROOT_ID + m_paths.size());
    if (added)
        m_paths.push_back(path);
    return place->second;
}

void SlowMirror::lookup(fuse_req_t request, fuse_ino_t parent, const char* name)
{
    SlowMirror& mirror = of(request);
    const std::string folder = mirror.pathOf(parent);
    const std::string path = folder.empty() ? name : folder + "/" + name;
    mirror.answer(path, [&mirror, request, path] {
        fuse_entry_param entry{};
        if (::lstat(mirror.sourceOf(path).c_str(), &entry.attr) != 0) {
            fuse_reply_err(request, errno);
            return;
        }
        entry.ino = entry.attr.st_ino = mirror.nodeOf(path);
        entry.attr_timeout = entry.entry_timeout = kCacheSeconds;
        fuse_reply_entry(request, &entry);
    });
}

void SlowMirror::getattr(fuse_req_t request, fuse_ino_t node, fuse_file_info*)
{
    SlowMirror& mirror = of(request);
    const std::string path = mirror.pathOf(node);
    mirror.answer(path, [&mirror, request, path, node] {
        struct stat attributes {};
        if (::lstat(mirror.sourceOf(path).c_str(), &attributes) != 0) {
            fuse_reply_err(request, errno);
            return;
        }
        attributes.st_ino = node;
        fuse_reply_attr(request, &attributes, kCacheSeconds);
    });
}

// The mount is read-only, so the kernel refuses every other opening itself.
void SlowMirror::open(fuse_req_t request, fuse_ino_t node, fuse_file_info* info)
{
    SlowMirror& mirror = of(request);
    const std::string path = mirror.pathOf(node);
    mirror.answer(
        path,
        [&mirror, request, path, info = *info] {
            const int file = ::open(mirror.sourceOf(path).c_str(), O_RDONLY | O_CLOEXEC);
            if (file < 0) {
                fuse_reply_err(request, errno);
                return;
            }
            fuse_file_info opened = info;
            opened.fh = static_cast<uint64_t>(file);
            // A caller that has given up gets no file, and the file is not left open.
            if (fuse_reply_open(request, &opened) != 0)
                ::close(file);
        },
        true);
}

void SlowMirror::read(fuse_req_t request, fuse_ino_t node, size_t size, off_t offset,
                      fuse_file_info* info)
{
    SlowMirror& mirror = of(request);
    mirror.answer(
        mirror.pathOf(node),
        [request, size, offset, file = info->fh] {
            std::vector<char> bytes(size);
            const ssize_t count = ::pread(static_cast<int>(file), bytes.data(), size, offset);
            if (count < 0)
                fuse_reply_err(request, errno);
            else
                fuse_reply_buf(request, bytes.data(), static_cast<size_t>(count));
        },
        true);
}

void SlowMirror::release(fuse_req_t request, fuse_ino_t, fuse_file_info* info)
{
    ::close(static_cast<int>(info->fh));
    fuse_reply_err(request, 0);
}

void SlowMirror::opendir(fuse_req_t request, fuse_ino_t node, fuse_file_info* info)
{
    SlowMirror& mirror = of(request);
    mirror.answer(
        mirror.pathOf(node), [request, info = *info] { fuse_reply_open(request, &info); }, true);
}

// The folder is read anew for each part of the listing, and `offset` counts its entries.
void SlowMirror::readdir(fuse_req_t request, fuse_ino_t node, size_t size, off_t offset,
                         fuse_file_info*)
{
    SlowMirror& mirror = of(request);
    const std::string path = mirror.pathOf(node);
    mirror.answer(
        path,
        [&mirror, request, path, size, offset] {
            const std::unique_ptr<DIR, int (*)(DIR*)> folder(
                ::opendir(mirror.sourceOf(path).c_str()), ::closedir);
            if (!folder) {
                fuse_reply_err(request, errno);
                return;
            }
            std::vector<char> listing(size);
            std::size_t used = 0;
            off_t index = 0;
            while (const dirent* entry = ::readdir(folder.get())) {
                if (index++ < offset)
                    continue;
                struct stat kind {};
                kind.st_ino = entry->d_ino;
                kind.st_mode = DTTOIF(entry->d_type);
                const std::size_t needed = fuse_add_direntry(
                    request, listing.data() + used, size - used, entry->d_name, &kind, index);
                if (needed > size - used)
                    break;
                used += needed;
            }
            fuse_reply_buf(request, listing.data(), used);
        },
        true);
}
