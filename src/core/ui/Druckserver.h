#pragma once
// Whether the print server answers, asked before a print touches the print
// system: libcups, and Qt's print support through it, waits up to a minute a
// request on the thread that asks. So the question goes to a worker thread
// with a limit of a few seconds, while the UI thread keeps running its timers
// (the user's input waits). Every print path asks first and, when the server
// keeps silent, makes no call of the print system at all.

#include <QString>

typedef struct _http_s http_t;  // libcups

// The print server as libcups finds it (CUPS_SERVER, client.conf or the local
// default), as the operator knows it: "host:port" or the socket's path.
QString DruckserverName();

// Whether a print may go to the print system: the server answered, or there
// is none at all (a refused connection is an answer at once, and Qt's print
// support then offers files only). False, with *text "Der Druckserver „…“
// antwortet nicht.", when it stayed silent within the limit. The result holds
// for a few seconds, so that one print asks once.
bool DruckserverBereit(QString* text = nullptr);
// The same; the text is told to the operator.
bool DruckserverMelden();
// Forgets the last result (tests that start a server of their own).
void DruckserverVergessen();

// A connection to this thread's print server on which no wait lasts longer
// than the limit above; nullptr when none could be opened. httpClose() it.
http_t* DruckserverVerbinden();
// Whether a request on such a connection failed for want of an answer.
bool DruckserverSchwieg(http_t* http);
