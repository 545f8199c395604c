#include "app/online_command_line.h"

bool ReadOnlineOption(int argc, const char* const* argv, int* index, OnlineStart* start, std::string* error) {
  const std::string option = argv[*index];
  if (option != "--host" && option != "--join") return false;
  if (start->host || start->join) {
    *error = "only one of --host and --join, once";
    ++*index;
    return true;
  }
  const bool hasValue = *index + 1 < argc && argv[*index + 1][0] != '-';
  if (option == "--host") {
    start->host = true;
    if (hasValue && !ParseNetPort(argv[*index + 1], &start->port)) *error = "--host needs a port from 1 to 65535";
    *index += hasValue ? 2 : 1;
    return true;
  }
  NetAddress address;
  if (!hasValue || !ParseNetAddress(argv[*index + 1], &address)) {
    *error = "--join needs HOST or HOST:PORT";
  } else {
    start->join = true;
    start->address = argv[*index + 1];
  }
  *index += hasValue ? 2 : 1;
  return true;
}
