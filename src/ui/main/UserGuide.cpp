#include "ui/main/UserGuide.h"

namespace orvane {

QString userGuideHtml() {
    return QStringLiteral(R"(
<h2>Orvane user guide</h2>
<p>Orvane drives a Modara modem on a serial line. What you type in the lower
(transmit) pane goes on the air; what the modem hears shows in the upper
(receive) pane. Hold the mouse over any button or status box to learn what it
does and which key does the same.</p>

<h3>Your first contact</h3>
<ol>
<li>Set your own call sign: press <b>Alt+M</b>, type the call, press OK (or use
<i>Configure &rarr; Configuration Pages...</i>, page Messages).</li>
<li>Choose the mode in the <i>Code</i> menu; Quoral is the usual one.</li>
<li>Press <b>Connect</b> (or <b>F9</b>), type or pick the other station's call
and press <b>Call</b>. The status bar says <i>Linked to</i> and the call once the
link stands.</li>
<li>Type in the transmit pane; it goes out by character, word or line, as set.</li>
<li>Press <b>Disconnect</b> (or <b>F7</b> with nothing left to send) to end the
link.</li>
</ol>

<h3>Calls and links</h3>
<p><b>Call CQ</b> invites any station to call you; <b>Monitor</b> listens to
other stations' links. In AMTOR and P-Mode the turn passes with <b>OVER</b>
(<b>F6</b>); <b>Forced OVER</b> (<b>Ctrl+F6</b>) takes it back. <b>Panic</b>
(<b>Alt+F7</b>) stops transmitting at once and resets the link.
<b>TX EN</b>/<b>TX DIS</b> (<b>F10</b>) allows or forbids transmitting.</p>

<h3>Broadcasts</h3>
<p><b>BDCST</b> (Quoral), <b>Broadcast</b> (AMTOR) and <b>Unproto</b> (P-Mode)
send to every station listening, without a link. End a broadcast with
<b>Disconnect</b> or <b>F7</b>. Baudot and ASCII always send to everyone:
type, and it goes out.</p>

<h3>File transfers</h3>
<p>With a Quoral link up, <i>Files &rarr; Send binary file...</i> sends one or
more files to the other console; a panel shows the progress. A file that
arrives is kept in the <b>In</b> folder at once; the console then asks whether
to move it somewhere else. Cancel leaves it in In. <i>Files &rarr; Send text
file...</i> sends a text file as if typed, in any mode.
<i>S&amp;top disk save/send</i> (<b>Alt+J</b>) ends any file activity.</p>

<h3>Settings</h3>
<p><i>Configure &rarr; Configuration Pages...</i> holds the modem's and the
console's settings; OK applies and saves them, in Config/orvane.ini.
<i>Configure &rarr; Screen Settings...</i> sets fonts and colours. The
<i>Views</i> menu shows the toolbar, the status bar, the tuning windows and the
Quoral statistics. Every session is logged; <i>Views &rarr; Today's Session
Log...</i> shows today's log.</p>

<h3>Keys</h3>
<table cellspacing="4">
<tr><td><b>F9</b></td><td>call a station</td>
    <td><b>F7</b></td><td>end the link or the broadcast</td></tr>
<tr><td><b>Alt+F7</b></td><td>panic</td>
    <td><b>F10</b></td><td>transmit on/off</td></tr>
<tr><td><b>F2</b></td><td>his call DE my call</td>
    <td><b>F3</b> / <b>F4</b></td><td>his call / my call</td></tr>
<tr><td><b>F5</b></td><td>Here-is message 0</td>
    <td><b>Alt+T</b></td><td>UTC time stamp</td></tr>
<tr><td><b>Alt+M</b></td><td>own call</td>
    <td><b>Ctrl+F3</b></td><td>other station's call</td></tr>
<tr><td><b>Alt+E</b></td><td>save received text</td>
    <td><b>Alt+J</b></td><td>stop saving or sending</td></tr>
<tr><td><b>Alt+U</b></td><td>clear the receive pane</td>
    <td><b>Alt+V</b></td><td>clear the transmit pane</td></tr>
</table>
<p>The full list is under <i>Help &rarr; Hot Keys</i>.</p>
)");
}

} // namespace orvane
