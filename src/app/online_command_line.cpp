#include "app/online_command_line.h"

bool ReadOnlineOption(const std::vector<std::string>& arguments, std::size_t* index, OnlineStart* start,
                      std::string* error) {
  const std::string& option = arguments[*index];
  if (option != "--host" && option != "--join") return false;
  if (start->host || start->join) {
    *error = "only one of --host and --join, once";
    ++*index;
    return true;
  }
  const bool hasValue = *index + 1 < arguments.size() && !arguments[*index + 1].empty() && arguments[*index + 1][0] != '-';
  const std::string value = hasValue ? arguments[*index + 1] : std::string();
  *index += hasValue ? 2 : 1;
  if (option == "--host") {
    start->host = true;
    if (hasValue && !ParseNetPort(value, &start->port)) *error = "--host needs a port from 1 to 65535";
    return true;
  }
  NetAddress address;
  if (!hasValue || !ParseNetAddress(value, &address)) {
    *error = "--join needs HOST or HOST:PORT";
  } else {
    start->join = true;
    start->address = value;
  }
  return true;
}
