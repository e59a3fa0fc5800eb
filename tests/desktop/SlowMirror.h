#pragma once

#define FUSE_USE_VERSION 314
#include <fuse_lowlevel.h>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// A FUSE file system that shows a folder read-only, as a file server far away does: a request
// about a path with a part whose name starts with "slow" is answered after a delay, one about a
// path with a part whose name starts with "never" is read and never answered, as by a server
// whose network has gone; a path with a part starting with "stuck" is looked up at once, but
// never opened or read; every other request is answered at once. Requests are answered
// from the session's one loop or from a thread of each late answer's own, so none waits on
// another.
class SlowMirror {
public:
    SlowMirror(std::string source, std::chrono::milliseconds delay);

    // The operations of a session whose user data is this object.
    static const fuse_lowlevel_ops& operations();

private:
    enum class Pace { Prompt, Slow, Never, Stuck };

    static SlowMirror& of(fuse_req_t request);
    static Pace paceOf(const std::string& path);
    // Runs `reply` now, later or never, as the path asks.
    void answer(const std::string& path, std::function<void()> reply, bool opening = false);
    // The path below the source of a node, "" for the root, or the node of a path.
    std::string pathOf(fuse_ino_t node);
    fuse_ino_t nodeOf(const std::string& path);
    std::string sourceOf(const std::string& path) const { return m_source + "/" + path; }

    // The operations, as the session calls them.
    static void lookup(fuse_req_t request, fuse_ino_t parent, const char* name);
    static void getattr(fuse_req_t request, fuse_ino_t node, fuse_file_info*);
    static void open(fuse_req_t request, fuse_ino_t node, fuse_file_info* info);
    static void read(fuse_req_t request, fuse_ino_t node, size_t size, off_t offset,
                     fuse_file_info* info);
    static void release(fuse_req_t request, fuse_ino_t, fuse_file_info* info);
    static void opendir(fuse_req_t request, fuse_ino_t node, fuse_file_info* info);
    static void readdir(fuse_req_t request, fuse_ino_t node, size_t size, off_t offset,
                        fuse_file_info*);

    std::string m_source;
    std::chrono::milliseconds m_delay;
    // Nodes are never forgotten: a test's mount sees few paths.
    std::mutex m_mutex;
    std::vector<std::string> m_paths;
    std::map<std::string, fuse_ino_t> m_nodes;
};
