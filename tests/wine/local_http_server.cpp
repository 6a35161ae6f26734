#include "local_http_server.h"

#include <ws2tcpip.h>

namespace wine_test {

namespace {

struct WinsockStartup {
  WinsockStartup() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};

void EnsureWinsock() {
  static WinsockStartup startup;
}

SOCKET ListenOnLoopback(unsigned short& port) {
  EnsureWinsock();
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  int length = sizeof(address);
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return s;
}

// Waits up to ms for the socket to become readable.
bool Readable(SOCKET s, int ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait = {ms / 1000, (ms % 1000) * 1000};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

bool SendAll(SOCKET s, const char* data, size_t size) {
  while (size > 0) {
    int sent = send(s, data, static_cast<int>(size < 65536 ? size : 65536), 0);
    if (sent <= 0) return false;
    data += sent;
    size -= sent;
  }
  return true;
}

}  // namespace

LocalHttpServer::LocalHttpServer(std::string answer, Behaviour behaviour)
    : answer_(std::move(answer)), behaviour_(behaviour) {
  listener_ = ListenOnLoopback(port_);
  listen(listener_, 4);
  thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
  stop_ = true;
  thread_.join();
  closesocket(listener_);
}

std::string LocalHttpServer::Host() const {
  return "127.0.0.1:" + std::to_string(port_);
}

std::string LocalHttpServer::Request() const {
  std::lock_guard<std::mutex> lock(requestLock_);
  return request_;
}

std::string LocalHttpServer::ClosedHost() {
  unsigned short port = 0;
  closesocket(ListenOnLoopback(port));
  return "127.0.0.1:" + std::to_string(port);
}

void LocalHttpServer::Serve() {
  while (!Stopping()) {
    if (!Readable(listener_, 50)) continue;
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    // A client that stops reading must not hold the server when the test ends.
    DWORD sendTimeoutMs = 2000;
    setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&sendTimeoutMs),
               sizeof(sendTimeoutMs));
    Answer(client);
    closesocket(client);
  }
}

void LocalHttpServer::Answer(SOCKET client) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && !Stopping()) {
    if (!Readable(client, 50)) continue;
    int got = recv(client, buffer, sizeof(buffer), 0);
    if (got <= 0) break;
    request.append(buffer, got);
  }
  {
    std::lock_guard<std::mutex> lock(requestLock_);
    request_ = request;
  }
  switch (behaviour_) {
    case Behaviour::kAnswer:
      SendAll(client, answer_.data(), answer_.size());
      shutdown(client, SD_SEND);
      break;
    case Behaviour::kSilent:
      while (!Stopping()) Sleep(50);
      break;
    case Behaviour::kTrickle: {
      size_t head = answer_.find("\r\n\r\n") + 4;
      if (!SendAll(client, answer_.data(), head)) break;
      for (size_t i = head; i < answer_.size() && !Stopping(); ++i) {
        if (!SendAll(client, &answer_[i], 1)) break;
        Sleep(200);
      }
      break;
    }
  }
}

std::string HttpAnswer(const std::string& status, const std::string& contentType,
                       const std::string& body, bool withLength) {
  std::string answer = "HTTP/1.0 " + status + "\r\nContent-Type: " + contentType + "\r\n";
  if (withLength) answer += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  return answer + "\r\n" + body;
}

}  // namespace wine_test
