#pragma once

// Dynamic Data Exchange between programs of one user, shaped like the
// DDE Management Library: instances, string handles, data handles,
// conversations and synchronous transactions, with a callback for what the
// partner does. Client and server sides.
//
// Transport: every registered service is one listening Unix-domain stream
// socket in a folder only the user can enter ($XDG_RUNTIME_DIR/selwarth-dde/,
// else /tmp/selwarth-dde-<uid>/); the socket file is the service name in
// lower case. A conversation is one connection carrying length-prefixed
// frames (dde_frame.h). Service, topic and item names compare without regard
// to ASCII case.
//
// Threads: an instance, its conversations and its handles are used on the
// thread that initialised the instance. Instances on different threads do
// not disturb each other. Callbacks run on the instance's thread, only from
// inside a Dde* call (a transaction's wait, DdeSocketReady, DdeServeFor).
//
// Event loop contract (a GUI or any program with its own loop):
//   - DdeWatchedSockets(inst) lists the descriptors to watch for reading
//     (including hang-up and error). Re-read the list after every Dde* call
//     that may open or end a conversation or register a name, or register a
//     hook with DdeSetWatchHook, which is called (synchronously, inside the
//     Dde* call that changed the set) whenever the list changed. A
//     descriptor that left the list is closed or about to be: drop its watch
//     before the loop waits again.
//   - When a watched descriptor is readable, call DdeSocketReady(inst, fd).
//     It never blocks for long: it reads what has arrived, answers a
//     server's requests (running the callback) and reports a partner that
//     went away (XTYP_DISCONNECT to the callback). A descriptor it does not
//     know is ignored.
//   - A synchronous transaction (DdeClientTransaction) waits inside itself
//     with poll(); while it waits it also serves every other watched socket
//     of the instances on the calling thread, so a disconnect of the
//     conversation it waits on reaches the callback before it returns 0.
//     A connect or transaction that waits calls the instance's wait hook
//     (DdeSetWaitHook) every WaitHookPeriodMs, so a GUI can keep painting
//     and let its user stop the wait.
//   - A program without an event loop calls DdeServeFor(inst, ms) in a loop.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

using DWORD = std::uint32_t;
using UINT = unsigned;
using ULONG_PTR = std::uintptr_t;

using HCONV = std::uint32_t;     // a conversation; 0: none
using HSZ = std::uint32_t;       // a string handle; 0: none
using HDDEDATA = std::uintptr_t; // a data handle, or a result flag word; 0: none/failure

using PFNCALLBACK = HDDEDATA (*)(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2,
                                 HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);

// Clipboard format of plain text.
inline constexpr UINT CF_TEXT = 1;
// The only code page of our string handles (text is kept as bytes).
inline constexpr int CP_WINANSI = 1004;

// Transaction classes and types.
inline constexpr UINT XCLASS_BOOL = 0x1000;
inline constexpr UINT XCLASS_DATA = 0x2000;
inline constexpr UINT XCLASS_FLAGS = 0x4000;
inline constexpr UINT XCLASS_NOTIFICATION = 0x8000;
inline constexpr UINT XTYPF_NOBLOCK = 0x0002;
inline constexpr UINT XTYP_ERROR = 0x0000 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;
inline constexpr UINT XTYP_ADVDATA = 0x0010 | XCLASS_FLAGS;
inline constexpr UINT XTYP_EXECUTE = 0x0050 | XCLASS_FLAGS;
inline constexpr UINT XTYP_CONNECT = 0x0060 | XCLASS_BOOL | XTYPF_NOBLOCK;
inline constexpr UINT XTYP_CONNECT_CONFIRM = 0x0070 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;
inline constexpr UINT XTYP_XACT_COMPLETE = 0x0080 | XCLASS_NOTIFICATION;
inline constexpr UINT XTYP_POKE = 0x0090 | XCLASS_FLAGS;
inline constexpr UINT XTYP_REQUEST = 0x00B0 | XCLASS_DATA;
inline constexpr UINT XTYP_DISCONNECT = 0x00C0 | XCLASS_NOTIFICATION | XTYPF_NOBLOCK;

// DdeInitialize flags.
inline constexpr DWORD APPCMD_CLIENTONLY = 0x00000010;
inline constexpr DWORD CBF_FAIL_CONNECTIONS = 0x00002000;
inline constexpr DWORD CBF_FAIL_ADVISES = 0x00004000;
inline constexpr DWORD CBF_FAIL_EXECUTES = 0x00008000;
inline constexpr DWORD CBF_FAIL_POKES = 0x00010000;
inline constexpr DWORD CBF_FAIL_REQUESTS = 0x00020000;
inline constexpr DWORD CBF_SKIP_CONNECT_CONFIRMS = 0x00040000;
inline constexpr DWORD CBF_SKIP_DISCONNECTS = 0x00200000;

// DdeNameService commands.
inline constexpr UINT DNS_REGISTER = 0x0001;
inline constexpr UINT DNS_UNREGISTER = 0x0002;

// Results of a server's poke and execute callbacks.
inline constexpr HDDEDATA DDE_FACK = 0x8000;
inline constexpr HDDEDATA DDE_FBUSY = 0x4000;
inline constexpr HDDEDATA DDE_FNOTPROCESSED = 0x0000;
// Our own: a server callback returns this to leave the transaction
// unanswered (the client's wait runs into its time-out). It is not
// delivered again later.
inline constexpr HDDEDATA DDE_NOANSWER = ~HDDEDATA{0};

// DdeCreateDataHandle: the data handle stays the application's after a
// callback returns it (it must be freed with DdeFreeDataHandle).
inline constexpr UINT HDATA_APPOWNED = 0x0001;

// Error codes (DdeInitialize's result, DdeGetLastError, XTYP_ERROR's data1).
inline constexpr UINT DMLERR_NO_ERROR = 0;
inline constexpr UINT DMLERR_BUSY = 0x4001;
inline constexpr UINT DMLERR_DATAACKTIMEOUT = 0x4002;
inline constexpr UINT DMLERR_DLL_NOT_INITIALIZED = 0x4003;
inline constexpr UINT DMLERR_DLL_USAGE = 0x4004;
inline constexpr UINT DMLERR_EXECACKTIMEOUT = 0x4005;
inline constexpr UINT DMLERR_INVALIDPARAMETER = 0x4006;
inline constexpr UINT DMLERR_MEMORY_ERROR = 0x4008;
inline constexpr UINT DMLERR_NOTPROCESSED = 0x4009;
inline constexpr UINT DMLERR_NO_CONV_ESTABLISHED = 0x400a;
inline constexpr UINT DMLERR_POKEACKTIMEOUT = 0x400b;
inline constexpr UINT DMLERR_REENTRANCY = 0x400d;
inline constexpr UINT DMLERR_SERVER_DIED = 0x400e;
inline constexpr UINT DMLERR_SYS_ERROR = 0x400f;
// Our own: the wait hook stopped the wait (the user did not want to wait).
inline constexpr UINT DMLERR_WAITSTOPPED = 0x4100;
// Our own: DdeConnect's server took the connection and did not answer it
// within the connect time-out.
inline constexpr UINT DMLERR_CONNECTTIMEOUT = 0x4101;

// The largest data a transaction carries, and the longest name.
inline constexpr std::size_t DdeMaxData = 64 * 1024;
inline constexpr std::size_t DdeMaxName = 255;

// --- Instances ---------------------------------------------------------------

// Starts an instance when *instId is 0 and stores its id there; with the id
// of a live instance, replaces that instance's callback and flags. Returns
// DMLERR_NO_ERROR or an error code (and leaves *instId as it was).
UINT DdeInitialize(DWORD *instId, PFNCALLBACK callback, DWORD flags, DWORD reserved = 0);

// Ends every conversation of the instance (without callbacks), withdraws its
// services, frees its string and data handles. False for an unknown id.
bool DdeUninitialize(DWORD instId);

// The error of the instance's last failed call (DMLERR_NO_ERROR after a
// success), and clears it.
UINT DdeGetLastError(DWORD instId);

// --- String handles ----------------------------------------------------------

// A handle for text (1 to 255 bytes) in the instance. Texts equal without
// regard to case share one handle, which counts its owners; each create is
// matched by one free. 0 for empty or over-long text or an unknown instance.
HSZ DdeCreateStringHandle(DWORD instId, const char *text, int codePage = CP_WINANSI);
// Drops one owner of the handle; false when the handle is not alive.
bool DdeFreeStringHandle(DWORD instId, HSZ hsz);
// Adds an owner (to keep a handle passed to a callback beyond it).
bool DdeKeepStringHandle(DWORD instId, HSZ hsz);
// Copies the text into buffer (at most length - 1 bytes and a NUL) and
// returns the number of bytes copied; with a null buffer, the text's length.
// 0 for an unknown handle.
DWORD DdeQueryString(DWORD instId, HSZ hsz, char *buffer, DWORD length, int codePage = CP_WINANSI);
// The text of a handle; empty for an unknown handle.
std::string DdeStringText(DWORD instId, HSZ hsz);
// Compares the texts without regard to case: -1, 0 or 1. A null or unknown
// handle sorts first.
int DdeCmpStringHandles(HSZ hsz1, HSZ hsz2);

// --- Data handles ------------------------------------------------------------

// A data handle holding offset zero bytes followed by length bytes of source
// (zero bytes where source is null). 0 when the size passes DdeMaxData.
HDDEDATA DdeCreateDataHandle(DWORD instId, const void *source, DWORD length, DWORD offset, HSZ item,
                             UINT format, UINT command);
// Copies up to length bytes from offset into buffer and returns how many;
// with a null buffer, the size of the data. 0 for an unknown handle.
DWORD DdeGetData(HDDEDATA data, void *buffer, DWORD length, DWORD offset);
// False when the handle is not alive.
bool DdeFreeDataHandle(HDDEDATA data);

// --- Client side ---------------------------------------------------------

// Opens a conversation with the service on the topic; 0 when no server of
// that name runs, it refuses the topic (DMLERR_NO_CONV_ESTABLISHED), or does
// not answer within the connect time-out (DMLERR_CONNECTTIMEOUT). context
// must be null.
HCONV DdeConnect(DWORD instId, HSZ service, HSZ topic, const void *context = nullptr);
// Ends a conversation (either side); the partner is told. False when the
// conversation is not open.
bool DdeDisconnect(HCONV conv);

// A synchronous transaction: XTYP_REQUEST (item; returns a data handle the
// caller frees), XTYP_POKE (item and data) or XTYP_EXECUTE (data). Returns 0
// when it fails, the server refuses, or no answer comes within timeoutMs;
// poke and execute return 1 on success. With length 0xFFFFFFFF, data is a
// data handle (HDDEDATA), which the call frees. result, when given, receives
// the server's flag word (DDE_FACK ...).
HDDEDATA DdeClientTransaction(const void *data, DWORD length, HCONV conv, HSZ item, UINT format,
                              UINT type, DWORD timeoutMs, DWORD *result = nullptr);

// How long DdeConnect waits for the server's answer (default 5000 ms).
void DdeSetConnectTimeout(DWORD instId, DWORD timeoutMs);

// --- Server side ---------------------------------------------------------

// DNS_REGISTER: the instance serves the service (fails when the instance is
// client-only or another live server has the name). DNS_UNREGISTER: stops
// serving it (service 0: all); open conversations stay. Non-zero on success.
HDDEDATA DdeNameService(DWORD instId, HSZ service, HSZ reserved, UINT command);

// --- Event loop ----------------------------------------------------------

// The descriptors to watch for reading; see the contract above.
std::vector<int> DdeWatchedSockets(DWORD instId);
// A watched descriptor is readable (or hung up); see the contract above.
void DdeSocketReady(DWORD instId, int fd);
// Called whenever the instance's watched descriptors change; an empty
// function removes the hook. The hook may call DdeWatchedSockets only.
void DdeSetWatchHook(DWORD instId, std::function<void()> hook);
// How often a waiting connect or transaction calls the wait hook.
inline constexpr int WaitHookPeriodMs = 15;
// Called every WaitHookPeriodMs while a connect or a synchronous transaction
// of the instance waits for its partner; an empty function removes the hook.
// A hook that returns false ends the wait at once: the call fails with
// DMLERR_WAITSTOPPED, and an answer that comes later is dropped. The hook
// must not call the DDE functions of the waiting instance.
void DdeSetWaitHook(DWORD instId, std::function<bool()> hook);
// Waits up to timeoutMs (negative: without end) for activity on the
// instance's sockets and handles what arrived, one round, then returns; a
// signal also ends the wait, so a caller can look at its flags. False for an
// unknown instance.
bool DdeServeFor(DWORD instId, int timeoutMs);

// --- Names -----------------------------------------------------------------

// The socket folder, created and checked (mode 0700, owned by the user);
// empty when no usable folder can be had.
std::string DdeSocketFolder();
// The socket file name of a service: lower case, every byte other than
// [a-z0-9._-] (and a leading '.') written as %XX.
std::string DdeSocketName(const std::string &service);
// Whether a server of that name accepts connections now.
bool DdeServiceListening(const std::string &service);

} // namespace platform
