#include "app/Sites.h"

// The support host is short on purpose: its label sits on the banner's right end, where
// "技术支持: " and the host must fit in 141 pixels of a 12-pixel font.
const char* const kSupportHost = "kelvora.net";
const char* const kOfficialHost = "www.kelvora.net";
const char* const kContactAddress = "service@kelvora.net";

std::string SiteAddress(const std::string& host, const std::string& version) {
    return "http://" + host + "/?qq=Kelvora" + version;
}
