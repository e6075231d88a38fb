#pragma once
// The program end without its dialog: the refusals, closing every match,
// signing the lanes and the boards off, and the wait in 200 ms steps until
// the CAN send queues, the network module (monitor messages and FTP uploads)
// and the client folders are idle.

#include "core/Records.h"

// Set by the shut-down command of the main menu: the end also powers the
// machine off. Cleared when the end dialog is closed without ending.
extern u8 WindowsBeenden;

// A match of the six slots is started (the end and the shut-down are refused).
bool SpielGestartet();
// The main window's close request may open the end dialog: no lane is being
// prepared for a start and no match is started.
bool EndeDialogErlaubt();

// Closes every match with its save question; false when one is refused (the
// rest stays open). Then signs the online lanes off (37, PcEinheit), switches
// the installed boards off (237, PcEinheit) and stops the end-of-lane check
// and the receive pump; the send pump keeps running for the queued frames.
bool ProgrammBeendenVorbereiten();

// One step of the wait after ProgrammBeendenVorbereiten. The send queues are
// waited for while frames keep leaving (lane printers may queue kilobytes);
// after a failed send, or when nothing has left for a while, the end goes on
// without them.
class EndeWarten {
public:
    static constexpr int IntervallMs = 200;
    // Steps without a frame sent after which the queues are given up (5 s).
    static constexpr int MaxSchritteOhneFortschritt = 25;
    // Steps the messages to the monitor clients are waited for (45 s: one
    // message's connect and answer limits of 20 s each, and a margin), so a
    // client that never answers cannot hold the end for every message queued
    // behind it.
    static constexpr int MaxSchritteNachrichten = 225;
    // Steps the writes and copies into the client folders are waited for
    // (20 s, at the same time as the messages), so a share that hangs cannot
    // hold the end.
    static constexpr int MaxSchritteAblage = 100;
    // Steps without a reply from the FTP server after which the uploads
    // still queued are given up (25 s: a command's time limit of 20 s and a
    // margin). While the server keeps answering, a slow one gets the last
    // live results before the program ends.
    static constexpr int MaxSchritteFtpOhneFortschritt = 125;

    EndeWarten();
    // True when the program may terminate now.
    bool fertig();

private:
    quint64 m_gesendet;
    int m_ohneFortschritt = 0;
    bool m_aufgegeben = false;
    int m_nachrichtenSchritte = 0;
    int m_ablageSchritte = 0;
    u32 m_ftpStand;
    int m_ftpOhneFortschritt = 0;
    bool m_ftpAufgegeben = false;
};
