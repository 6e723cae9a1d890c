#include "framework/translation.h"

#include "framework/backend.h"

std::string TranslatedText(const char *context, const char *source) {
  return HasBackend() ? CurrentBackend().Translate(context, source) : std::string(source);
}
