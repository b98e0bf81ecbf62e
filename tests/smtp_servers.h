// SMTP servers on loopback for the mail tests: a real one (tests/smtp_server.py
// on aiosmtpd, in a process of its own) and a scripted one in a thread that
// records every byte, drops the line or stays silent.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "test_util.h"

namespace ovs::test {

// tests/smtp_server.py in a process of its own, listening on a loopback port.
class PythonSmtp {
public:
    explicit PythonSmtp(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {"/usr/bin/python3", OVALSPIN_SOURCE_DIR "/tests/smtp_server.py", out.Path()};
        args.insert(args.end(), extra.begin(), extra.end());
        int in[2], outp[2];
        if (pipe(in) != 0 || pipe(outp) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(outp[1], 1);
            // The server's complaints about the failures the tests provoke are noise here.
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) dup2(null, 2);
            close(in[1]);
            close(outp[0]);
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(in[0]);
        close(outp[1]);
        stdin_ = in[1];
        FILE* f = fdopen(outp[0], "r");
        char line[64] = "";
        if (f && std::fgets(line, sizeof line, f)) std::sscanf(line, "PORT %d", &port_);
        if (f) std::fclose(f);
    }
    ~PythonSmtp()
    {
        if (stdin_ >= 0) close(stdin_);
        if (pid_ > 0) {
            for (int i = 0; i < 100; ++i) {
                if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
                usleep(20000);
            }
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    int port() const { return port_; }
    std::string Message(int n) const { return ReadFile(out.File("mail-" + std::to_string(n) + ".eml")); }
    std::string Envelope(int n) const { return ReadFile(out.File("mail-" + std::to_string(n) + ".env")); }

    TempDir out{"ovs-smtp"};

private:
    pid_t pid_ = -1;
    int stdin_ = -1;
    int port_ = 0;
};

// A scripted server for one connection in a thread: answers like a plain SMTP
// server and records every byte received. It can stay silent, or drop the
// line after a number of message lines.
class ScriptedSmtp {
public:
    enum class Mode { Answer, Silent, DropInData };

    explicit ScriptedSmtp(Mode mode) : mode_(mode)
    {
        listen_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(listen_, 1);
        socklen_t len = sizeof a;
        getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~ScriptedSmtp()
    {
        shutdown(listen_, SHUT_RDWR);
        if (thread_.joinable()) thread_.join();
        close(listen_);
    }
    int port() const { return port_; }
    // Everything received, once the server has finished with its connection.
    const std::string& Received()
    {
        if (thread_.joinable()) thread_.join();
        return received;
    }

private:
    void Serve()
    {
        pollfd p{listen_, POLLIN, 0};
        if (poll(&p, 1, 10000) != 1) return;
        const int c = accept(listen_, nullptr, nullptr);
        if (c < 0) return;
        if (mode_ == Mode::Silent) {
            // Hold the line open without a word until the client gives up.
            char buf[256];
            while (recv(c, buf, sizeof buf, 0) > 0) {}
            close(c);
            return;
        }
        auto say = [c](const char* s) { send(c, s, std::strlen(s), MSG_NOSIGNAL); };
        say("220 scripted ESMTP\r\n");
        std::string pending;
        bool data = false;
        int dataLines = 0;
        char buf[4096];
        for (;;) {
            const long n = recv(c, buf, sizeof buf, 0);
            if (n <= 0) break;
            received.append(buf, static_cast<std::size_t>(n));
            pending.append(buf, static_cast<std::size_t>(n));
            std::size_t eol;
            while ((eol = pending.find("\r\n")) != std::string::npos) {
                const std::string line = pending.substr(0, eol);
                pending.erase(0, eol + 2);
                if (data) {
                    if (mode_ == Mode::DropInData && ++dataLines == 3) {
                        close(c);
                        return;
                    }
                    if (line == ".") {
                        data = false;
                        say("250 accepted\r\n");
                    }
                } else if (line == "DATA") {
                    data = true;
                    say("354 go ahead\r\n");
                } else if (line == "QUIT") {
                    say("221 bye\r\n");
                    close(c);
                    return;
                } else if (line.empty()) {
                    say("500 bad syntax\r\n");
                } else {
                    say("250 ok\r\n");
                }
            }
        }
        close(c);
    }

    std::string received;
    Mode mode_;
    int listen_ = -1;
    int port_ = 0;
    std::thread thread_;
};

}  // namespace ovs::test
