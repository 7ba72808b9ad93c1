#include "app/HelpText.h"

std::string HelpText(const std::string& telephone, const std::string& email, const std::string& website) {
    return "Support: " + telephone + "\r\nSales: " + telephone + "\r\nEmail: " + email + "\r\nWebsite: " + website;
}
