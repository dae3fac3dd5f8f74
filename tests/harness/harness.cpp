#include "harness/harness.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace harness {
namespace {

double now_seconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

std::string make_scratch_dir() {
    const char* base = getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/corpus-test-XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) return {};
    return buf.data();
}

void remove_tree(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
        chmod(path.c_str(), 0700);
        if (DIR* d = opendir(path.c_str())) {
            while (dirent* e = readdir(d)) {
                std::string n = e->d_name;
                if (n != "." && n != "..") remove_tree(path + "/" + n);
            }
            closedir(d);
        }
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

bool write_file(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

std::string read_file(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Every regular file below `dir`, by its path relative to the scratch root.
void list_files(const std::string& root, const std::string& rel, Files& out) {
    std::string dir = rel.empty() ? root : root + "/" + rel;
    DIR* d = opendir(dir.c_str());
    if (!d) return;
    while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        std::string r = rel.empty() ? n : rel + "/" + n;
        struct stat st {};
        if (lstat((root + "/" + r).c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode))
            list_files(root, r, out);
        else if (S_ISREG(st.st_mode))
            out[r] = read_file(root + "/" + r);
    }
    closedir(d);
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
std::string bin_dir() {
    const char* env = getenv("CORPUS_BIN");
    if (!env || !*env) return CORPUS_BIN_DIR;
    // The program runs in a scratch directory: a relative folder is made absolute first.
    char* full = realpath(env, nullptr);
    std::string dir = full ? full : env;
    free(full);
    return dir;
}

// CORPUS_RUN_UNDER, split at spaces: the command put before every program run.
std::vector<std::string> run_under() {
    std::vector<std::string> words;
    const char* env = getenv("CORPUS_RUN_UNDER");
    std::string w;
    for (const char* p = env ? env : ""; ; ++p) {
        if (*p == ' ' || *p == '\0') {
            if (!w.empty()) words.push_back(w);
            w.clear();
            if (*p == '\0') break;
        } else {
            w += *p;
        }
    }
    return words;
}

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

// With CORPUS_RECORD set to a folder, every run is appended to
// <folder>/<program>.jsonl as one JSON line: the test, the command line and
// input, and everything the program did. Bytes are written as code points 0-255.
void record(const Run& r, const std::vector<std::string>& words, const Outcome& o) {
    const char* dir = getenv("CORPUS_RECORD");
    if (!dir || !*dir) return;
    // Runs under a data limit probe where this build's allocations start to
    // fail, which differs from build to build: they are checked, not recorded.
    if (r.data_limit != 0) return;
    const ::testing::TestInfo* t = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string test = t ? std::string(t->test_suite_name()) + "." + t->name() : "";
    std::string line = "{\"test\":" + json_string(test) + ",\"argv\":[";
    for (size_t i = 0; i < words.size(); ++i) line += (i ? "," : "") + json_string(words[i]);
    line += "],\"input\":" + json_string(r.input) + ",\"out\":" + json_string(o.out) +
            ",\"err\":" + json_string(o.err) + ",\"status\":" + std::to_string(o.status) +
            ",\"signal\":" + std::to_string(o.signal) + ",\"timed_out\":" + (o.timed_out ? "true" : "false") +
            ",\"files\":{";
    bool first = true;
    for (const auto& [name, bytes] : o.files) {
        line += (first ? "" : ",") + json_string(name) + ":" + json_string(bytes);
        first = false;
    }
    line += "}}\n";
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

Outcome run(const Run& r) {
    Outcome o;
    std::string path = bin_dir() + "/" + r.program;
    if (access(path.c_str(), X_OK) != 0) {
        ADD_FAILURE() << "program not built: " << path;
        return o;
    }
    std::string dir = make_scratch_dir();
    if (dir.empty()) {
        ADD_FAILURE() << "cannot make a scratch directory: " << strerror(errno);
        return o;
    }
    for (const auto& d : r.dirs) mkdir((dir + "/" + d).c_str(), 0755);
    for (const auto& [name, bytes] : r.files) {
        if (!write_file(dir + "/" + name, bytes)) ADD_FAILURE() << "cannot create input file " << name;
    }

    std::vector<std::string> words;
    words.push_back(r.argv0 ? *r.argv0 : "./" + r.program);
    words.insert(words.end(), r.args.begin(), r.args.end());
    std::vector<std::string> prefix = run_under();
    std::vector<char*> argv;
    for (auto& w : prefix) argv.push_back(w.data());
    if (!prefix.empty()) argv.push_back(path.data());  // the runner starts the program by its path
    for (size_t i = prefix.empty() ? 0 : 1; i < words.size(); ++i) argv.push_back(words[i].data());
    argv.push_back(nullptr);

    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << strerror(errno);
        remove_tree(dir);
        return o;
    }
    signal(SIGPIPE, SIG_IGN);  // a program may close stdin before reading it all
    pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        if (chdir(dir.c_str()) != 0) _exit(126);
        // A sanitized program asking for more memory than the machine has gets
        // a null pointer back, as a plain build does, instead of being stopped.
        setenv("ASAN_OPTIONS", "allocator_may_return_null=1", 0);
        if (r.data_limit != 0) {
            rlimit rl{r.data_limit, r.data_limit};
            setrlimit(RLIMIT_DATA, &rl);
        }
        signal(SIGPIPE, SIG_DFL);
        if (prefix.empty())
            execv(path.c_str(), argv.data());
        else
            execvp(argv[0], argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    int in_fd = in[1], out_fd = out[0], err_fd = err[0];
    fcntl(in_fd, F_SETFL, O_NONBLOCK);
    if (r.input.empty()) {
        close(in_fd);
        in_fd = -1;
    }

    size_t written = 0;
    double deadline = now_seconds() + r.timeout_seconds;
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
    if (!o.timed_out) {
        if (WIFEXITED(wstatus)) {
            o.status = WEXITSTATUS(wstatus);
        } else if (WIFSIGNALED(wstatus)) {
            o.signal = WTERMSIG(wstatus);
        }
    }
    list_files(dir, "", o.files);
    remove_tree(dir);
    record(r, words, o);
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
    std::string s;
    s.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) s += piece;
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
std::string describe(const Case& c) {
    std::string who = c.program;
    for (const auto& a : c.args) who += " '" + escape(a.size() > 40 ? a.substr(0, 40) + "..." : a) + "'";
    if (!c.note.empty()) who += "  [" + c.note + "]";
    return who;
}
}  // namespace

void PrintTo(const Case& c, std::ostream* os) { *os << describe(c); }

void check(const Case& c) {
    Run r{c.program, c.args, c.argv0, c.input, c.files, c.dirs};
    Outcome o = run(r);
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
    for (const auto& a : r.args) who += " '" + escape(a.size() > 40 ? a.substr(0, 40) + "..." : a) + "'";
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
