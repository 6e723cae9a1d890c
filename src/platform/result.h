#pragma once

// What a call that can fail gives back: its value (nothing, for Result<void>)
// or why it failed. The reason is the message in words fit for a message box
// (E = std::string, the default), or a Fault with a kind as well where a
// caller chooses by the kind.
//
// Result has the shape of C++23's std::expected and only what std::expected
// also has: has_value(), operator bool, value(), error(), operator* and ->,
// success as `return value;` (or `return {};` for Result<void>) and failure as
// `return Failure(...);`, which gives an Unexpected as std::unexpected does.
// It is ours because clang 14, which builds the fuzz targets, cannot use
// libstdc++'s <expected>. Once every compiler of the project offers
// std::expected, this header becomes
//   template <class T, class E = std::string> using Result = std::expected<T, E>;
//   template <class E> using Unexpected = std::unexpected<E>;
// with Fault and the Failure helpers kept as they are, and no caller changes.
// Two differences show then: value() on a failure throws
// std::bad_expected_access where ours ends the program (neither is ever
// caught here), and libstdc++'s std::expected is not [[nodiscard]], so a dropped result
// no longer fails the build.

#include <cassert>
#include <cstdlib>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace platform {

// The failure half of a Result, as std::unexpected.
template <class E> class Unexpected {
public:
  explicit Unexpected(E error) : error_(std::move(error)) {}
  const E &error() const & { return error_; }
  E &&error() && { return std::move(error_); }

private:
  E error_;
};

// A reason with a kind for the caller to choose by.
template <class Kind> struct Fault {
  Kind kind;
  std::string message;
};

inline Unexpected<std::string> Failure(std::string message) {
  return Unexpected<std::string>(std::move(message));
}

template <class Kind>
requires std::is_enum_v<Kind> Unexpected<Fault<Kind>> Failure(Kind kind, std::string message = {}) {
  return Unexpected<Fault<Kind>>(Fault<Kind>{kind, std::move(message)});
}

template <class T> struct IsUnexpected : std::false_type {};
template <class E> struct IsUnexpected<Unexpected<E>> : std::true_type {};

template <class T, class E = std::string> class [[nodiscard]] Result {
public:
  using value_type = T;
  using error_type = E;

  Result() requires std::is_default_constructible_v<T> : state_(std::in_place_index<0>) {}
  template <class U = T>
  requires(std::is_convertible_v<U, T> && !std::is_same_v<std::remove_cvref_t<U>, Result> &&
           !IsUnexpected<std::remove_cvref_t<U>>::value) Result(U &&value)
      : state_(std::in_place_index<0>, std::forward<U>(value)) {}
  template <class G>
  Result(const Unexpected<G> &failure) : state_(std::in_place_index<1>, failure.error()) {}
  template <class G>
  Result(Unexpected<G> &&failure) : state_(std::in_place_index<1>, std::move(failure).error()) {}

  bool has_value() const { return state_.index() == 0; }
  explicit operator bool() const { return has_value(); }

  // The value; a failure here is a fault in the caller, and ends the program.
  T &value() & { return std::get<0>(Checked()); }
  const T &value() const & { return std::get<0>(const_cast<Result &>(*this).Checked()); }
  T &&value() && { return std::get<0>(std::move(Checked())); }

  T &operator*() & { return Get(); }
  const T &operator*() const & { return const_cast<Result &>(*this).Get(); }
  T &&operator*() && { return std::move(Get()); }
  T *operator->() { return &Get(); }
  const T *operator->() const { return &const_cast<Result &>(*this).Get(); }

  const E &error() const & {
    assert(!has_value());
    return *std::get_if<1>(&state_);
  }
  E &&error() && {
    assert(!has_value());
    return std::move(*std::get_if<1>(&state_));
  }

private:
  std::variant<T, E> &Checked() {
    if (!has_value())
      std::abort();
    return state_;
  }
  T &Get() {
    assert(has_value());
    return *std::get_if<0>(&state_);
  }

  std::variant<T, E> state_;
};

// Success without a value, or why it failed.
template <class E> class [[nodiscard]] Result<void, E> {
public:
  using value_type = void;
  using error_type = E;

  Result() = default;
  template <class G> Result(const Unexpected<G> &failure) : error_(failure.error()) {}
  template <class G> Result(Unexpected<G> &&failure) : error_(std::move(failure).error()) {}

  bool has_value() const { return !error_.has_value(); }
  explicit operator bool() const { return has_value(); }

  void value() const {
    if (!has_value())
      std::abort();
  }
  void operator*() const { assert(has_value()); }

  const E &error() const & {
    assert(!has_value());
    return *error_;
  }
  E &&error() && {
    assert(!has_value());
    return std::move(*error_);
  }

private:
  std::optional<E> error_;
};

} // namespace platform
