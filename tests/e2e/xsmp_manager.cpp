// A session manager of the smallest kind, for the end-to-end test: it prints where it
// listens and takes one client. Lines on its input drive a logout: "save" asks the client
// to save as a logout does (SaveYourself with shutdown, no interaction), "die" ends the
// session, "cancel" cancels the logout. What happens is printed a line at a time, and it
// ends once the client has gone. The argument is the save type: local, global or both.

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {

int g_saveType = SmSaveLocal;
SmsConn g_client = nullptr;
IceConn g_ice = nullptr;
bool g_closed = false;

void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

Bool anyHost(char *)
{
    return True;
}

void keepGoing(IceConn) { }

Status registerClient(SmsConn conn, SmPointer, char *previousId)
{
    std::free(previousId);
    const Status ok = SmsRegisterClientReply(conn, SmsGenerateClientID(conn));
    say("registered");
    return ok;
}

void interactRequest(SmsConn conn, SmPointer, int)
{
    SmsInteract(conn);
}

void interactDone(SmsConn, SmPointer, Bool) { }

void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) { }

void phase2Request(SmsConn conn, SmPointer)
{
    SmsSaveYourselfPhase2(conn);
}

void saveYourselfDone(SmsConn, SmPointer, Bool success)
{
    say(success ? "saved" : "save failed");
}

void closeConnection(SmsConn, SmPointer, int count, char **reasons)
{
    SmFreeReasons(count, reasons);
    g_closed = true;
}

void setProperties(SmsConn, SmPointer, int count, SmProp **properties)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(properties[i]);
    std::free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char **names)
{
    for (int i = 0; i < count; ++i)
        std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn conn, SmPointer)
{
    SmsReturnProperties(conn, 0, nullptr);
}

Status newClient(SmsConn conn, SmPointer, unsigned long *mask, SmsCallbacks *cb, char **)
{
    g_client = conn;
    std::memset(cb, 0, sizeof *cb);
    cb->register_client.callback = registerClient;
    cb->interact_request.callback = interactRequest;
    cb->interact_done.callback = interactDone;
    cb->save_yourself_request.callback = saveYourselfRequest;
    cb->save_yourself_phase2_request.callback = phase2Request;
    cb->save_yourself_done.callback = saveYourselfDone;
    cb->close_connection.callback = closeConnection;
    cb->set_properties.callback = setProperties;
    cb->delete_properties.callback = deleteProperties;
    cb->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask
        | SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask
        | SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask
        | SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

}

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "global") == 0)
        g_saveType = SmSaveGlobal;
    else if (argc > 1 && std::strcmp(argv[1], "both") == 0)
        g_saveType = SmSaveBoth;
    char error[256] = "";
    IceSetIOErrorHandler(keepGoing);
    if (!SmsInitialize("Auralis tests", "1", newClient, nullptr, anyHost, sizeof error, error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj *listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    char *ids = IceComposeNetworkIdList(count, listeners);
    say(ids);
    std::free(ids);

    // Ends by itself should the test not, a minute on.
    alarm(60);
    while (!g_closed) {
        pollfd fds[16];
        int n = 0;
        fds[n++] = { STDIN_FILENO, POLLIN, 0 };
        for (int i = 0; i < count && n < 15; ++i)
            fds[n++] = { IceGetListenConnectionNumber(listeners[i]), POLLIN, 0 };
        const int client = g_ice ? n : -1;
        if (g_ice)
            fds[n++] = { IceConnectionNumber(g_ice), POLLIN, 0 };
        if (::poll(fds, nfds_t(n), -1) < 0)
            return 1;
        if (fds[0].revents) {
            char line[64] = "";
            if (!std::fgets(line, sizeof line, stdin))
                return 0;
            if (!g_client)
                continue;
            if (std::strncmp(line, "save", 4) == 0)
                SmsSaveYourself(g_client, g_saveType, True, SmInteractStyleNone, False);
            else if (std::strncmp(line, "die", 3) == 0)
                SmsDie(g_client);
            else if (std::strncmp(line, "cancel", 6) == 0)
                SmsShutdownCancelled(g_client);
        }
        for (int i = 0; i < count; ++i) {
            if (!(fds[1 + i].revents & POLLIN) || g_ice)
                continue;
            IceAcceptStatus status;
            g_ice = IceAcceptConnection(listeners[i], &status);
        }
        if (client >= 0 && (fds[client].revents & (POLLIN | POLLHUP))
            && IceProcessMessages(g_ice, nullptr, nullptr) == IceProcessMessagesIOError)
            g_closed = true;
    }
    say("closed");
    return 0;
}
