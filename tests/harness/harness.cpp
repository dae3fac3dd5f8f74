#include "harness/harness.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace harness {
namespace {

// The tables hold inputs and outputs of megabytes, copied as the tests are
// registered: large blocks come from the heap and stay there for reuse,
// instead of being mapped, touched page by page and returned each time.
[[gnu::constructor(101)]] void keep_freed_memory() {
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
}

double now_seconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// The scratch directory of this test process: made at the first run, emptied
// after every run (so each case starts in an empty directory) and removed when
// the process ends. A directory that cannot be emptied is left and a new one
// made for the next run.
std::string scratch_dir;

void remove_scratch() {
    if (!scratch_dir.empty()) rmdir(scratch_dir.c_str());
}

bool make_scratch_dir() {
    const char* base = getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/corpus-test-XXXXXX";
    if (!mkdtemp(templ.data())) return false;
    if (scratch_dir.empty()) atexit(remove_scratch);
    scratch_dir = templ;
    return true;
}

bool write_file(const std::string& path, const std::string& bytes) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    return close(fd) == 0 && done == bytes.size();
}

// Reads the file at `at` (relative to the directory `dirfd`) whole.
std::string read_file_at(int dirfd, const char* at) {
    std::string bytes;
    int fd = openat(dirfd, at, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return bytes;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return bytes;
}

// Takes every regular file below the directory `dirfd` into `out` (by its
// path relative to the scratch root, `rel` being this directory's) and removes
// everything below it. Returns false when something could not be removed.
bool collect_and_empty(int dirfd, const std::string& rel, Files& out) {
    DIR* d = fdopendir(dirfd);
    if (!d) {
        close(dirfd);
        return false;
    }
    bool emptied = true;
    while (dirent* e = readdir(d)) {
        const char* n = e->d_name;
        if (strcmp(n, ".") == 0 || strcmp(n, "..") == 0) continue;
        std::string r = rel.empty() ? n : rel + "/" + n;
        struct stat st {};
        if (fstatat(dirfd, n, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISDIR(st.st_mode)) {
            fchmodat(dirfd, n, 0700, 0);
            int sub = openat(dirfd, n, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
            if (sub < 0 || !collect_and_empty(sub, r, out)) emptied = false;
            if (unlinkat(dirfd, n, AT_REMOVEDIR) != 0) emptied = false;
        } else {
            if (S_ISREG(st.st_mode)) out[r] = read_file_at(dirfd, n);
            if (unlinkat(dirfd, n, 0) != 0) emptied = false;
        }
    }
    closedir(d);
    return emptied;
}

void drain(int& fd, std::string& into) {
    char buf[65536];
    ssize_t n = read(fd, buf, sizeof buf);
    if (n > 0) {
        into.append(buf, static_cast<size_t>(n));
    } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
        close(fd);
        fd = -1;
    }
}

}  // namespace

const bool programs_sanitized = [] {
    // Programs checked through CORPUS_BIN were built elsewhere: CORPUS_SANITIZED=1 says they have the sanitizers.
    if (const char* s = getenv("CORPUS_SANITIZED")) return *s == '1';
    if (getenv("CORPUS_BIN")) return false;
    return CORPUS_SANITIZE != 0;
}();

namespace {

// The folder of the programs under test: CORPUS_BIN, else this build's bin/.
const std::string& bin_dir() {
    static const std::string dir = [] {
        const char* env = getenv("CORPUS_BIN");
        if (!env || !*env) return std::string(CORPUS_BIN_DIR);
        // The program runs in a scratch directory: a relative folder is made absolute first.
        char* full = realpath(env, nullptr);
        std::string d = full ? full : env;
        free(full);
        return d;
    }();
    return dir;
}

// CORPUS_RUN_UNDER, split at spaces: the command put before every program run.
const std::vector<std::string>& run_under() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> ws;
        const char* env = getenv("CORPUS_RUN_UNDER");
        std::string w;
        for (const char* p = env ? env : "";; ++p) {
            if (*p == ' ' || *p == '\0') {
                if (!w.empty()) ws.push_back(w);
                w.clear();
                if (*p == '\0') break;
            } else {
                w += *p;
            }
        }
        return ws;
    }();
    return words;
}

// How much longer a program may take than its case allows: CORPUS_TIME_SCALE,
// else 10 under a runner (an emulator or valgrind runs a program several
// times slower), else 1.
double time_scale() {
    static const double scale = [] {
        const char* env = getenv("CORPUS_TIME_SCALE");
        if (env && *env) {
            double v = strtod(env, nullptr);
            if (v > 0) return v;
        }
        return run_under().empty() ? 1.0 : 10.0;
    }();
    return scale;
}

}  // namespace

unsigned program_pointer_size(const std::string& program) {
    unsigned char head[5] = {};
    int fd = open((bin_dir() + "/" + program).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    ssize_t n = read(fd, head, sizeof head);
    close(fd);
    if (n != sizeof head || memcmp(head, "\x7f" "ELF", 4) != 0) return 0;
    return head[4] == 1 ? 4 : head[4] == 2 ? 8 : 0;  // ELFCLASS32, ELFCLASS64
}

const char* data_limit_unusable() {
    if (programs_sanitized) return "the sanitizer runtime cannot start under a data limit";
    if (!run_under().empty()) return "under CORPUS_RUN_UNDER a data limit would limit the runner, not the program";
    return nullptr;
}

bool runner_sets_argv0() {
    const std::vector<std::string>& prefix = run_under();
    if (prefix.empty()) return false;
    std::string runner = prefix[0].substr(prefix[0].rfind('/') + 1);
    return runner.starts_with("qemu-");
}

namespace {

std::string json_string(const std::string& bytes) {
    std::string s = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char b[8];
            snprintf(b, sizeof b, "\\u%04x", c);
            s += b;
        } else {
            s += static_cast<char>(c);
        }
    }
    return s + "\"";
}

// The case that check() is running, whose expectations a record shows.
const Case* current_case = nullptr;

// Bytes in a record: a JSON string, or for more than 1 MiB an object with
// the first MiB, the whole size and an FNV-1a hash of all of it, so that a
// record of a program that writes 100 MB stays small.
std::string json_bytes(const std::string& bytes) {
    const size_t cap = size_t{1} << 20;
    if (bytes.size() <= cap) return json_string(bytes);
    unsigned long long h = 14695981039346656037ULL;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ULL;
    char hex[24];
    snprintf(hex, sizeof hex, "%016llx", h);
    return "{\"head\":" + json_string(bytes.substr(0, cap)) + ",\"size\":" + std::to_string(bytes.size()) +
           ",\"fnv\":\"" + hex + "\"}";
}

std::string json_files(const Files& files) {
    std::string s = "{";
    bool first = true;
    for (const auto& [name, bytes] : files) {
        s += (first ? "" : ",") + json_string(name) + ":" + json_bytes(bytes);
        first = false;
    }
    return s + "}";
}

// With CORPUS_RECORD set to a folder, every run is appended to
// <folder>/<program>.jsonl as one JSON line: the test, the command line,
// standard input, the files and directories given, everything the program
// did, and, for a row of a table, what the row expects. Bytes are written as
// code points 0-255.
void record(const Run& r, const std::vector<std::string>& words, const Outcome& o, double seconds) {
    const char* dir = getenv("CORPUS_RECORD");
    if (!dir || !*dir) return;
    // Runs under a data limit probe where this build's allocations start to
    // fail, which differs from build to build: they are checked, not recorded.
    if (r.data_limit != 0) return;
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test = t ? std::string(t->test_suite_name()) + "." + t->name() : "";
    std::string line = "{\"test\":" + json_string(test) + ",\"argv\":[";
    for (size_t i = 0; i < words.size(); ++i) line += (i ? "," : "") + json_string(words[i]);
    line += "],\"input\":" + json_bytes(r.input) + ",\"files_in\":" + json_files(r.files) + ",\"dirs\":[";
    for (size_t i = 0; i < r.dirs.size(); ++i) line += (i ? "," : "") + json_string(r.dirs[i]);
    line += "],\"out\":" + json_bytes(o.out) + ",\"err\":" + json_bytes(o.err) +
            ",\"status\":" + std::to_string(o.status) + ",\"signal\":" + std::to_string(o.signal) +
            ",\"timed_out\":" + (o.timed_out ? "true" : "false") + ",\"files\":" + json_files(o.files);
    char took[32];
    snprintf(took, sizeof took, "%.6f", seconds);
    line += ",\"seconds\":" + std::string(took);
    if (current_case && current_case->program == r.program) {
        const Case& c = *current_case;
        line += ",\"expect\":{\"out\":" + json_bytes(c.out) + ",\"err\":" + json_bytes(c.err) +
                ",\"status\":" + std::to_string(c.status) +
                ",\"files\":" + json_files(c.files_after ? *c.files_after : c.files) + "}";
    }
    line += "}\n";
    std::string path = std::string(dir) + "/" + r.program + ".jsonl";
    if (FILE* f = fopen(path.c_str(), "ab")) {
        fwrite(line.data(), 1, line.size(), f);
        fclose(f);
    }
}

std::map<std::string, std::string>& owners() {
    static std::map<std::string, std::string> m;
    return m;
}

}  // namespace

std::string selected_program;

int next_row_of(const std::string& program) {
    static std::map<std::string, int> rows;
    return rows[program]++;
}

bool own_test(const char* test, const char* program) {
    owners()[test] = program;
    return true;
}

std::string program_of(const ::testing::TestInfo& t) {
    if (t.value_param()) {
        // Table rows are named <program>_<row>.
        std::string n = t.name();
        n = n.substr(n.find('/') + 1);
        size_t cut = n.rfind('_');
        return cut == std::string::npos ? n : n.substr(0, cut);
    }
    auto it = owners().find(std::string(t.test_suite_name()) + "." + t.name());
    return it == owners().end() ? "" : it->second;
}

std::string Outcome::describe() const {
    if (timed_out) return "timed out";
    if (signal != 0) return "signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
    return "status " + std::to_string(status);
}

namespace {

// The environment of every program run: this process's, plus the setting that
// makes a sanitized program asking for more memory than the machine has get a
// null pointer back, as a plain build does, instead of being stopped (unless
// ASAN_OPTIONS is set already).
char** program_environment() {
    static std::vector<std::string> texts;
    static std::vector<char*> env;
    if (env.empty()) {
        bool has_asan = false;
        for (char** e = environ; *e; ++e) {
            texts.emplace_back(*e);
            has_asan = has_asan || strncmp(*e, "ASAN_OPTIONS=", 13) == 0;
        }
        if (!has_asan) texts.emplace_back("ASAN_OPTIONS=allocator_may_return_null=1");
        for (auto& t : texts) env.push_back(t.data());
        env.push_back(nullptr);
    }
    return env.data();
}

// Starts the program with posix_spawn (a vfork-style start that copies
// nothing of this process) in the scratch directory, in a process group of
// its own, with SIGPIPE back at its default. A run with a data limit is
// started by fork instead, since the limit must be set in the child.
pid_t start_program(const std::string& file, char* const argv[], bool search_path, const int fds[3],
                    const std::string& dir, unsigned long data_limit) {
    if (data_limit != 0) {
        pid_t pid = fork();
        if (pid != 0) return pid;
        setpgid(0, 0);
        for (int i = 0; i < 3; ++i) dup2(fds[i], i);
        if (chdir(dir.c_str()) != 0) _exit(126);
        rlimit rl{data_limit, data_limit};
        setrlimit(RLIMIT_DATA, &rl);
        signal(SIGPIPE, SIG_DFL);
        environ = program_environment();
        if (search_path)
            execvp(file.c_str(), argv);
        else
            execv(file.c_str(), argv);
        _exit(127);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int i = 0; i < 3; ++i) posix_spawn_file_actions_adddup2(&actions, fds[i], i);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults, none;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    int e = (search_path ? posix_spawnp : posix_spawn)(&pid, file.c_str(), &actions, &attr, argv,
                                                       program_environment());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (e != 0) {
        errno = e;
        return -1;
    }
    return pid;
}

}  // namespace

std::vector<std::string> command_line(const std::string& path, const std::string& argv0,
                                       const std::vector<std::string>& args) {
    const std::vector<std::string>& prefix = run_under();
    std::vector<std::string> words;
    if (prefix.empty()) {
        words.push_back(argv0);
    } else {
        // The runner starts the program by its path; qemu-user's -0 gives the
        // program the invocation name it would have had.
        words = prefix;
        if (runner_sets_argv0()) {
            words.push_back("-0");
            words.push_back(argv0);
        }
        words.push_back(path);
    }
    words.insert(words.end(), args.begin(), args.end());
    return words;
}

Outcome run(const Run& r) {
    Outcome o;
    std::string path = bin_dir() + "/" + r.program;
    if (access(path.c_str(), X_OK) != 0) {
        ADD_FAILURE() << "program not built: " << path;
        return o;
    }
    if (scratch_dir.empty() && !make_scratch_dir()) {
        ADD_FAILURE() << "cannot make a scratch directory: " << strerror(errno);
        return o;
    }
    const std::string& dir = scratch_dir;
    for (const auto& d : r.dirs) mkdir((dir + "/" + d).c_str(), 0755);
    for (const auto& [name, bytes] : r.files) {
        if (!write_file(dir + "/" + name, bytes)) ADD_FAILURE() << "cannot create input file " << name;
    }

    std::string argv0 = r.argv0 ? *r.argv0 : "./" + r.program;
    std::vector<std::string> words = command_line(path, argv0, r.args);
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << strerror(errno);
        return o;
    }
    static const bool sigpipe_ignored = [] {
        signal(SIGPIPE, SIG_IGN);  // a program may close stdin before reading it all
        return true;
    }();
    (void)sigpipe_ignored;
    const int child_fds[3] = {in[0], out[1], err[1]};
    bool under_runner = !run_under().empty();
    double started = now_seconds();
    pid_t pid = start_program(under_runner ? words[0] : path, argv.data(), under_runner, child_fds, dir,
                              r.data_limit);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (pid < 0) {
        ADD_FAILURE() << "cannot start " << path << ": " << strerror(errno);
        close(in[1]);
        close(out[0]);
        close(err[0]);
        return o;
    }
    int in_fd = in[1], out_fd = out[0], err_fd = err[0];
    fcntl(in_fd, F_SETFL, O_NONBLOCK);
    if (r.input.empty()) {
        close(in_fd);
        in_fd = -1;
    }

    size_t written = 0;
    double deadline = now_seconds() + r.timeout_seconds * time_scale();
    while (out_fd >= 0 || err_fd >= 0) {
        pollfd fds[3];
        int n = 0;
        if (out_fd >= 0) fds[n++] = {out_fd, POLLIN, 0};
        if (err_fd >= 0) fds[n++] = {err_fd, POLLIN, 0};
        if (in_fd >= 0) fds[n++] = {in_fd, POLLOUT, 0};
        double left = deadline - now_seconds();
        if (left <= 0) {
            o.timed_out = true;
            kill(-pid, SIGKILL);
            kill(pid, SIGKILL);
            break;
        }
        int ready = poll(fds, static_cast<nfds_t>(n), static_cast<int>(left * 1000) + 1);
        if (ready < 0 && errno != EINTR) break;
        for (int i = 0; i < n && ready > 0; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == out_fd) {
                drain(out_fd, o.out);
            } else if (fds[i].fd == err_fd) {
                drain(err_fd, o.err);
            } else if (fds[i].fd == in_fd) {
                ssize_t w = (fds[i].revents & POLLOUT)
                                ? write(in_fd, r.input.data() + written, r.input.size() - written)
                                : -1;
                if (w > 0) written += static_cast<size_t>(w);
                if (w < 0 && errno == EAGAIN) continue;
                if (w < 0 || written == r.input.size()) {
                    close(in_fd);
                    in_fd = -1;
                }
            }
        }
    }
    for (int fd : {in_fd, out_fd, err_fd})
        if (fd >= 0) close(fd);

    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
    }
    double seconds = now_seconds() - started;
    if (!o.timed_out) {
        if (WIFEXITED(wstatus)) {
            o.status = WEXITSTATUS(wstatus);
        } else if (WIFSIGNALED(wstatus)) {
            o.signal = WTERMSIG(wstatus);
        }
    }
    int dirfd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirfd < 0 || !collect_and_empty(dirfd, "", o.files)) scratch_dir.clear();  // a new one next time
    std::vector<std::string> program_argv{argv0};
    program_argv.insert(program_argv.end(), r.args.begin(), r.args.end());
    record(r, program_argv, o, seconds);
    return o;
}

std::string escape(const std::string& bytes) {
    std::string s;
    for (unsigned char c : bytes) {
        switch (c) {
            case '\n': s += "\\n"; break;
            case '\t': s += "\\t"; break;
            case '\r': s += "\\r"; break;
            case '\\': s += "\\\\"; break;
            case '"': s += "\\\""; break;
            default:
                if (c < 0x20 || c >= 0x7f) {
                    char b[8];
                    snprintf(b, sizeof b, "\\x%02x", c);
                    s += b;
                } else {
                    s += static_cast<char>(c);
                }
        }
    }
    return s;
}

std::vector<Case> count_refusals(const std::vector<CountRule>& rules, const std::string& filler) {
    std::vector<Case> cases;
    for (const CountRule& r : rules) {
        auto refused = [&](int n, const std::string& argv0, const char* note) {
            Case c{.program = r.program, .status = r.status, .argv0 = argv0, .note = note};
            c.args.assign(static_cast<size_t>(n), filler);
            (r.on_stderr ? c.err : c.out) = with_name(r.text, argv0);
            cases.push_back(c);
        };
        for (int n : r.refused) refused(n, "./" + r.program, "refused count");
        if (!r.refused.empty() && r.text.find("%s") != std::string::npos)
            refused(r.refused.front(), "/opt/x/p", "invocation name as started");
    }
    return cases;
}

std::string repeat(const std::string& piece, size_t times) {
    // Doubles what it has so far: a few large copies instead of one per piece.
    size_t total = piece.size() * times;
    std::string s;
    s.reserve(total);
    if (times > 0) s = piece;
    while (s.size() < total) s.append(s, 0, std::min(s.size(), total - s.size()));
    return s;
}

::testing::AssertionResult same_bytes(const std::string& what, const std::string& expected,
                                      const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    size_t from = at > 24 ? at - 24 : 0;
    auto window = [&](const std::string& s) {
        if (from >= s.size()) return std::string("<end>");
        return "\"" + escape(s.substr(from, 64)) + "\"" + (from + 64 < s.size() ? "..." : "");
    };
    return ::testing::AssertionFailure()
           << what << " differs at byte " << at << " (expected " << expected.size()
           << " bytes, got " << actual.size() << ")\n  expected from byte " << from << ": "
           << window(expected) << "\n  actual   from byte " << from << ": " << window(actual);
}

namespace {
// Bytes as a case shows them: escaped, and cut after 40 bytes with the whole
// length shown.
std::string shown(const std::string& bytes) {
    if (bytes.size() <= 40) return "'" + escape(bytes) + "'";
    return "'" + escape(bytes.substr(0, 40)) + "...' (" + std::to_string(bytes.size()) + " bytes)";
}

// The case in plain terms: the program and its arguments, then the
// invocation name, standard input and the files given, where the case sets them.
std::string describe(const Case& c) {
    std::string who = c.program;
    for (const auto& a : c.args) who += " " + shown(a);
    if (c.argv0) who += "  [invoked as " + shown(*c.argv0) + "]";
    if (!c.input.empty()) who += "  [stdin " + shown(c.input) + "]";
    for (const auto& [name, bytes] : c.files) who += "  [file " + name + ": " + shown(bytes) + "]";
    for (const auto& d : c.dirs) who += "  [directory " + d + "]";
    if (!c.note.empty()) who += "  [" + c.note + "]";
    return who;
}
}  // namespace

void PrintTo(const Case& c, std::ostream* os) { *os << describe(c); }

void check(const Case& c) {
    Run r{c.program, c.args, c.argv0, c.input, c.files, c.dirs};
    current_case = &c;
    Outcome o = run(r);
    current_case = nullptr;
    SCOPED_TRACE(describe(c));
    EXPECT_TRUE(same_bytes("stdout", c.out, o.out));
    EXPECT_TRUE(same_bytes("stderr", c.err, o.err));
    EXPECT_TRUE(!o.timed_out && o.signal == 0 && o.status == c.status)
        << "expected status " << c.status << ", got " << o.describe();
    const Files& want = c.files_after ? *c.files_after : c.files;
    for (const auto& [name, bytes] : want) {
        auto it = o.files.find(name);
        if (it == o.files.end())
            ADD_FAILURE() << "file " << name << " missing after the run";
        else
            EXPECT_TRUE(same_bytes("file " + name, bytes, it->second));
    }
    for (const auto& [name, bytes] : o.files)
        if (!want.count(name)) ADD_FAILURE() << "unexpected file left behind: " << name;
}



void PrintTo(const Run& r, std::ostream* os) {
    std::string who = r.program;
    for (const auto& a : r.args) who += " " + shown(a);
    if (r.argv0) who += "  [invoked as " + shown(*r.argv0) + "]";
    if (!r.input.empty()) who += "  [stdin " + shown(r.input) + "]";
    for (const auto& [name, bytes] : r.files) who += "  [file " + name + ": " + shown(bytes) + "]";
    *os << who;
}

void probe(const Run& r) {
    Outcome o = run(r);
    std::ostringstream who;
    PrintTo(r, &who);
    SCOPED_TRACE(who.str());
    EXPECT_FALSE(o.timed_out) << "timed out";
    EXPECT_EQ(o.signal, 0) << o.describe();
    EXPECT_EQ(o.err.find("Sanitizer"), std::string::npos) << o.err;
    EXPECT_EQ(o.err.find("runtime error"), std::string::npos) << o.err;
}

}  // namespace harness
