#pragma once
// The program's web sites and contact address, and the links it opens.
#include <string>

extern const char* const kSupportHost;    // support site, also the update check
extern const char* const kOfficialHost;   // official site
extern const char* const kContactAddress; // e-mail address shown on the about page

// "http://" + host + "/?qq=Kelvora" + version, the version appended as it is shown.
std::string SiteAddress(const std::string& host, const std::string& version);
