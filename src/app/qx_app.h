#pragma once

// The application object of Selwarth.

#include <cstdint>

#include "framework/application.h"
#include "platform/dde.h"

struct TProgram;

class TQXApp : public TApplication {
public:
  // The run works on program, which its owner keeps.
  explicit TQXApp(TProgram &program);

  // The DDE instance of the program; 0 while there is none.
  std::uint32_t InstId = 0;

  // The DDE callback: messages on the main window, and the partner's end of
  // the conversation cleared from its slot.
  static platform::HDDEDATA CallBack(platform::UINT type, platform::UINT format,
                                     platform::HCONV conv, platform::HSZ hsz1, platform::HSZ hsz2,
                                     platform::HDDEDATA data, platform::ULONG_PTR data1,
                                     platform::ULONG_PTR data2);

protected:
  void InitMainWindow() override;
  // The DDE instance is started before the main window and ended after it.
  void InitInstance() override;
  int TermInstance(int status) override;

private:
  TProgram &program_;
};
