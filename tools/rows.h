// The rows the program reads but never writes (access entries, FTP sites, contacts) and
// the accounts themselves, written the way the program reads them. Each command returns
// its exit status; a refusal stops it before anything is written.
#pragma once

#include <optional>
#include <string>

namespace tool {

struct SiteFields {
    std::string name;
    std::string address;
    std::string login;
    std::string password;
    int port = 21;
};

struct ContactFields {
    int num = 0;
    std::string last_name;
    std::string first_name;
    std::string address;
    std::string zip;
    std::string town;
};

int account_add(const std::string& database, const std::string& login, const std::string& password);
int account_remove(const std::string& database, const std::string& login);
int account_list(const std::string& database);

int grant(const std::string& database, const std::string& owner, const std::string& login, bool ftp,
          bool contacts);
int revoke(const std::string& database, const std::string& owner, const std::string& login);

int site_add(const std::string& database, const std::string& owner, const SiteFields& site);
int site_remove(const std::string& database, const std::string& owner, const std::string& name);
int site_list(const std::string& database, const std::optional<std::string>& owner);

int contact_add(const std::string& database, const std::string& owner,
                const ContactFields& contact);
int contact_remove(const std::string& database, const std::string& owner, int num);
int contact_list(const std::string& database, const std::optional<std::string>& owner);

}  // namespace tool
