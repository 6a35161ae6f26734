// Where the publisher's web site is: the home address that a click on the advertisement
// opens and the address of the advertisement picture.
#pragma once

#include <string>

namespace memo {

// The host name set at build time (PUBLISHER_HOST), unless the environment variable
// BIRTHDAY_MEMO_PUBLISHER_HOST names another one, as tests do to reach a local server.
// Empty for a build without a publisher: then nothing is fetched and nothing opened.
std::string PublisherHost();
// "http://" followed by the host, no path.
std::string PublisherSiteAddress();
// The site address followed by "/gg/tw.gif".
std::string PublisherPictureAddress();

}  // namespace memo
