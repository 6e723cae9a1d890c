#pragma once

// The concordance server: answers the transactions of the concordance link
// under one DDE service.

#include <csignal>
#include <string>

#include "options.h"
#include "platform/dde.h"
#include "presenter.h"

namespace concordance {

class Server {
public:
  // The presenter shows the passages asked for; it must outlive the server.
  Server(Options options, Presenter &presenter);
  ~Server();
  Server(const Server &) = delete;
  Server &operator=(const Server &) = delete;

  // Starts the DDE instance and registers the service; false with a message
  // in error when it cannot.
  bool Start(std::string &error);
  // Serves until *stop is set or the time given by --exit-after has passed
  // (for a program without an event loop of its own).
  void Run(const volatile std::sig_atomic_t *stop);
  // The DDE instance, for an event loop that watches its sockets.
  platform::DWORD Instance() const { return inst_; }
  // Withdraws the service and ends the instance.
  void Stop();

private:
  static platform::HDDEDATA Callback(platform::UINT type, platform::UINT format,
                                     platform::HCONV conv, platform::HSZ hsz1, platform::HSZ hsz2,
                                     platform::HDDEDATA data, platform::ULONG_PTR data1,
                                     platform::ULONG_PTR data2);
  platform::HDDEDATA Handle(platform::UINT type, platform::UINT format, platform::HSZ topic,
                            platform::HSZ item, platform::HDDEDATA data);
  platform::HDDEDATA Request(const std::string &topic, const std::string &item);
  bool Poke(const std::string &topic, const std::string &item, const std::string &text);
  bool Execute(const std::string &topic, const std::string &command);
  bool Show(std::string_view reference);
  void Log(std::string_view type, std::string_view topic, std::string_view item,
           std::string_view data);
  platform::HDDEDATA Text(const std::string &text);

  Options options_;
  Presenter &presenter_;
  platform::DWORD inst_ = 0;
  platform::HSZ service_ = 0;
  std::string translation_;
};

} // namespace concordance
