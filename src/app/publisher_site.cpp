#include "app/publisher_site.h"

#include <cstdlib>

namespace memo {

std::string PublisherHost() {
  const char* host = std::getenv("BIRTHDAY_MEMO_PUBLISHER_HOST");
  return host && *host ? host : PUBLISHER_HOST;
}

std::string PublisherSiteAddress() {
  return "http://" + PublisherHost();
}

std::string PublisherPictureAddress() {
  return PublisherSiteAddress() + "/gg/tw.gif";
}

}  // namespace memo
