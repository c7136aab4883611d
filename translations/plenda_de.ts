<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plenda, a desk calendar and diary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by Quenmor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software: use it, share it, improve it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News, help and updates on the web:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCalendarPage</name>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the locale says (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show week numbers (ISO 8601)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDBusNotifications</name>
    <message>
        <source>Open Plenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snooze 5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDiaryEntryDlg</name>
    <message>
        <source>Diary Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When to be reminded, for example %1; empty for no alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Public Holiday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune to play:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No diary entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files (*.wav);;Video files (*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFindDlg</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find What :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look In :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMarqueePage</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels every </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Internet every </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check file every </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMessageBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Start Plenda when I log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plenda is not installed: at log-in this starts the build at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot change %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the address without the password; enter it under Password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the calendar&apos;s address and the user the password belongs to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the password is kept only until the calendar closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COptionsTabCtrl</name>
    <message>
        <source>Marquee Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year View Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPicturePage</name>
    <message>
        <source>Show Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch Picture Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch Picture Width</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuickHelpDlg</name>
    <message>
        <source>Quick Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSponsorDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSyncPage</name>
    <message>
        <source>https://example.org/calendars/me/diary/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept in the keyring; empty keeps it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronise every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last good sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the password from the keyring...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the password to find the calendars.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the user the calendars belong to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calendar that holds events is there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the calendar to synchronise with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diary will synchronise with %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CYearViewPage</name>
    <message>
        <source>   Year View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months Across (1 - 12)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months Down (1 - 12)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Synchronise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.
The CalDAV password (kept until the calendar closes):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
