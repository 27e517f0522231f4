// Runs the built program on each case folder and compares what it wrote,
// byte for byte, with what the case expects.
//
// A case folder holds:
//   args      the arguments, one per line (an empty line is an empty argument)
//   stdout    expected standard output (absent: nothing)
//   stderr    expected standard error (absent: nothing)
//   exit      expected exit code (absent: 0)
//   files/    copied into a fresh working folder the program runs in
//   expected/ files the working folder must then hold, byte for byte
//   mode      optional: "tty" runs with standard output and error on one
//             terminal (expected in stdout), "closed-stdout" runs without
//             standard output, "full-stdout" with standard output on a
//             device that is always full
//
// Usage: e2e_runner <program> <cases folder> [case name filter]
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Citeste(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Argumente(const fs::path& p) {
  std::vector<std::string> args;
  if (!fs::exists(p)) return args;
  const std::string text = Citeste(p);
  size_t i = 0;
  while (i < text.size()) {
    size_t j = text.find('\n', i);
    if (j == std::string::npos) j = text.size();
    args.push_back(text.substr(i, j - i));
    i = j + 1;
  }
  return args;
}

std::string Vizibil(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c == '\n') {
      out += "\\n\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool Compara(const std::string& caz, const std::string& ce, const std::string& asteptat,
             const std::string& obtinut) {
  if (asteptat == obtinut) return true;
  size_t i = 0;
  while (i < asteptat.size() && i < obtinut.size() && asteptat[i] == obtinut[i]) ++i;
  std::cerr << "FAIL " << caz << ": " << ce << " differs at byte " << i << "\n--- expected\n"
            << Vizibil(asteptat) << "\n--- got\n"
            << Vizibil(obtinut) << "\n---\n";
  return false;
}

struct Rezultat {
  std::string out, err;
  int cod = -1;
};

[[noreturn]] void Executa(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

int Asteapta(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Rezultat Ruleaza(const std::string& program, const std::vector<std::string>& args, const fs::path& dir,
                 const std::string& mod) {
  Rezultat r;
  if (mod == "tty") {
    int master = -1;
    termios t{};
    cfmakeraw(&t);
    const pid_t pid = forkpty(&master, nullptr, &t, nullptr);
    if (pid == 0) {
      if (chdir(dir.c_str()) != 0) _exit(126);
      Executa(program, args);
    }
    char buf[4096];
    for (;;) {
      const ssize_t n = read(master, buf, sizeof buf);
      if (n > 0) {
        r.out.append(buf, static_cast<size_t>(n));
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else {
        break;  // EIO once the program has closed the terminal
      }
    }
    close(master);
    r.cod = Asteapta(pid);
    return r;
  }
  const fs::path out = dir / ".stdout", err = dir / ".stderr";
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.c_str()) != 0) _exit(126);
    const int fo = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int fe = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (mod == "closed-stdout") {
      close(1);
    } else if (mod == "full-stdout") {
      const int full = open("/dev/full", O_WRONLY);
      dup2(full, 1);
      close(full);
    } else {
      dup2(fo, 1);
    }
    dup2(fe, 2);
    close(fo);
    close(fe);
    Executa(program, args);
  }
  r.cod = Asteapta(pid);
  r.out = Citeste(out);
  r.err = Citeste(err);
  fs::remove(out);
  fs::remove(err);
  return r;
}

std::string Taie(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: e2e_runner <program> <cases folder> [filter]\n";
    return 2;
  }
  const std::string program = fs::absolute(argv[1]).string();
  const fs::path cazuri = argv[2];
  const std::string filtru = argc > 3 ? argv[3] : "";
  std::vector<fs::path> lista;
  for (const auto& e : fs::directory_iterator(cazuri))
    if (e.is_directory() && e.path().filename().string().find(filtru) != std::string::npos)
      lista.push_back(e.path());
  std::sort(lista.begin(), lista.end());

  const fs::path scratch = fs::temp_directory_path() / ("kavelo-e2e-" + std::to_string(getpid()));
  int esecuri = 0;
  for (const auto& caz : lista) {
    const std::string nume = caz.filename().string();
    const fs::path dir = scratch / nume;
    fs::create_directories(dir);
    if (fs::exists(caz / "files")) fs::copy(caz / "files", dir, fs::copy_options::recursive);
    const std::string mod = fs::exists(caz / "mode") ? Taie(Citeste(caz / "mode")) : "";
    const Rezultat r = Ruleaza(program, Argumente(caz / "args"), dir, mod);
    const int cod = fs::exists(caz / "exit") ? std::atoi(Citeste(caz / "exit").c_str()) : 0;
    bool ok = Compara(nume, "stdout", fs::exists(caz / "stdout") ? Citeste(caz / "stdout") : "", r.out);
    ok = Compara(nume, "stderr", fs::exists(caz / "stderr") ? Citeste(caz / "stderr") : "", r.err) && ok;
    if (r.cod != cod) {
      std::cerr << "FAIL " << nume << ": exit code " << r.cod << ", expected " << cod << "\n";
      ok = false;
    }
    if (fs::exists(caz / "expected"))
      for (const auto& e : fs::recursive_directory_iterator(caz / "expected")) {
        if (!e.is_regular_file()) continue;
        const fs::path rel = fs::relative(e.path(), caz / "expected");
        if (!fs::exists(dir / rel)) {
          std::cerr << "FAIL " << nume << ": " << rel << " was not written\n";
          ok = false;
        } else {
          ok = Compara(nume, rel.string(), Citeste(e.path()), Citeste(dir / rel)) && ok;
        }
      }
    std::cout << (ok ? "ok   " : "FAIL ") << nume << "\n";
    if (!ok) ++esecuri;
  }
  fs::remove_all(scratch);
  std::cout << lista.size() - esecuri << " of " << lista.size() << " end-to-end cases pass\n";
  return esecuri == 0 && !lista.empty() ? 0 : 1;
}
