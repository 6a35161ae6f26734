// A tiny HTTP server on 127.0.0.1 for the download tests, run by the test itself on a thread
// of its own. It answers every connection the same way and keeps what the client sent.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace wine_test {

class LocalHttpServer {
 public:
  enum class Behaviour {
    kAnswer,   // sends the whole answer, then closes
    kSilent,   // reads the request and never answers
    kTrickle,  // sends the answer's head, then one body byte every 200 ms
  };

  // answer: the raw bytes of the reply, status line and head included.
  explicit LocalHttpServer(std::string answer, Behaviour behaviour = Behaviour::kAnswer);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // "127.0.0.1:port"
  std::string Host() const;
  // The request head the last client sent, up to and including the blank line.
  std::string Request() const;

  // A loopback port where nothing listens.
  static std::string ClosedHost();

 private:
  void Serve();
  void Answer(SOCKET client);
  bool Stopping() const { return stop_; }

  std::string answer_;
  Behaviour behaviour_;
  SOCKET listener_ = INVALID_SOCKET;
  unsigned short port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex requestLock_;
  std::string request_;
  std::thread thread_;
};

// An HTTP/1.0 answer with this status line tail ("200 OK"), content type and body; with a
// Content-Length header unless withLength is false (the body then ends when the server closes).
std::string HttpAnswer(const std::string& status, const std::string& contentType,
                       const std::string& body, bool withLength = true);

}  // namespace wine_test
