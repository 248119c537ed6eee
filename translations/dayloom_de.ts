<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About the author...</source>
        <translation>Über den Autor...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Encrypted diaries (*.dayloom) are sealed with XChaCha20-Poly1305 under a key made from the password with Argon2id (libsodium): without the password nobody can read them, and any change to the file is noticed. Four-file diaries (*.ilm) are only scrambled.</source>
        <translation>Verschlüsselte Tagebücher (*.dayloom) sind mit XChaCha20-Poly1305 versiegelt, unter einem Schlüssel, der mit Argon2id (libsodium) aus dem Passwort gewonnen wird: Ohne das Passwort kann niemand sie lesen, und jede Änderung an der Datei fällt auf. Tagebücher aus vier Dateien (*.ilm) sind nur verwürfelt.</translation>
    </message>
</context>
<context>
    <name>CAnsiCodec</name>
    <message>
        <source>This text contains characters that a diary cannot store: %1. Please use only Western European letters, digits and punctuation.</source>
        <translation>Dieser Text enthält Zeichen, die ein Tagebuch nicht speichern kann: %1. Bitte nur westeuropäische Buchstaben, Ziffern und Satzzeichen verwenden.</translation>
    </message>
    <message>
        <source>This text contains characters that a diary cannot store. Please use only Western European letters, digits and punctuation.</source>
        <translation>Dieser Text enthält Zeichen, die ein Tagebuch nicht speichern kann. Bitte nur westeuropäische Buchstaben, Ziffern und Satzzeichen verwenden.</translation>
    </message>
</context>
<context>
    <name>CBackgroundUnlock</name>
    <message>
        <source>Unlocking...</source>
        <translation>Wird entsperrt...</translation>
    </message>
</context>
<context>
    <name>CBackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CChangePasswordDlg</name>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Dayloom keeps a password-protected personal diary.</source>
        <translation>Dayloom führt ein passwortgeschütztes persönliches Tagebuch.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <source>The diary to open: NAME.dayloom (encrypted) or NAME.ilm (four files). A name that does not exist yet is offered as a new diary.</source>
        <translation>Das zu öffnende Tagebuch: NAME.dayloom (verschlüsselt) oder NAME.ilm (vier Dateien). Ein Name, den es noch nicht gibt, wird als neues Tagebuch angeboten.</translation>
    </message>
    <message>
        <source>Only one diary can be opened at a time.</source>
        <translation>Es kann nur ein Tagebuch auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>The diary&apos;s name is empty.</source>
        <translation>Der Name des Tagebuchs ist leer.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a diary.</source>
        <translation>%1 ist ein Ordner, kein Tagebuch.</translation>
    </message>
    <message>
        <source>%1 is not a Dayloom diary: a diary&apos;s name ends in .dayloom or .ilm.</source>
        <translation>%1 ist kein Dayloom-Tagebuch: Der Name eines Tagebuchs endet auf .dayloom oder .ilm.</translation>
    </message>
    <message>
        <source>%1 is not a diary file.</source>
        <translation>%1 ist keine Tagebuchdatei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: you have no permission to read it.</source>
        <translation>%1 kann nicht gelesen werden: Sie haben keine Leseberechtigung.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Weitere Informationen mit „%1 --help“.</translation>
    </message>
</context>
<context>
    <name>CCurrentPassword</name>
    <message>
        <source>The password you&apos;ve specified is invalid for this diary! Please make sure you are opening the diary you wish to and that you are entering the password correctly. Remember, the password is case sEnSiTiVe!</source>
        <translation>Das angegebene Passwort passt nicht zu diesem Tagebuch! Bitte prüfen Sie, ob Sie das gewünschte Tagebuch öffnen und das Passwort richtig eingeben. Denken Sie daran: Beim Passwort zählt GrOß- UnD kLeInScHrEiBuNg!</translation>
    </message>
    <message>
        <source>Checking the password...</source>
        <translation>Passwort wird geprüft...</translation>
    </message>
</context>
<context>
    <name>CDatePicker</name>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd, dd. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>CDayOneArchive</name>
    <message>
        <source>it is not a readable zip archive (%1)</source>
        <translation>sie ist kein lesbares ZIP-Archiv (%1)</translation>
    </message>
    <message>
        <source>it lists more than %1 files</source>
        <translation>sie enthält mehr als %1 Dateien</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>its name cannot be read</source>
        <translation>ihr Name ist nicht lesbar</translation>
    </message>
    <message>
        <source>its path leaves the archive; not read</source>
        <translation>ihr Pfad führt aus dem Archiv hinaus; nicht gelesen</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>sie ist verschlüsselt</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>entpackt ist sie größer als %1 MB</translation>
    </message>
</context>
<context>
    <name>CDayOnePhotos</name>
    <message>
        <source>the photo %1 is no picture Dayloom can read</source>
        <translation>das Foto %1 ist kein Bild, das Dayloom lesen kann</translation>
    </message>
    <message>
        <source>the photo %1 is larger than 2 MB even when made no larger than 1600 pixels</source>
        <translation>das Foto %1 ist selbst auf höchstens 1600 Pixel verkleinert größer als 2 MB</translation>
    </message>
    <message>
        <source>the photo %1 cannot be read (%2)</source>
        <translation>das Foto %1 lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>the photo %1 is larger than %2 MB</source>
        <translation>das Foto %1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>the photo %1 is encrypted</source>
        <translation>das Foto %1 ist verschlüsselt</translation>
    </message>
    <message>
        <source>the photo %1 was left out: the export&apos;s photos pass %2 MB</source>
        <translation>das Foto %1 wurde ausgelassen: Die Fotos des Exports übersteigen %2 MB</translation>
    </message>
    <message>
        <source>the photo %1 is not in the export</source>
        <translation>das Foto %1 fehlt im Export</translation>
    </message>
    <message>
        <source>the photo %1 was left out: the entry&apos;s pictures pass %2 MB</source>
        <translation>das Foto %1 wurde ausgelassen: Die Bilder des Eintrags übersteigen %2 MB</translation>
    </message>
</context>
<context>
    <name>CDayOneReader</name>
    <message>
        <source>it has no date</source>
        <translation>er hat kein Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation>„%1“ ist keine Datums- und Zeitangabe</translation>
    </message>
</context>
<context>
    <name>CDayloomApp</name>
    <message>
        <source>Open/Create Diary</source>
        <translation>Tagebuch öffnen/anlegen</translation>
    </message>
</context>
<context>
    <name>CDayloomDlg</name>
    <message>
        <source>You need at least 8 entries in your diary to view the graph!</source>
        <translation>Für die Grafik braucht Ihr Tagebuch mindestens 8 Einträge!</translation>
    </message>
    <message>
        <source>This shows your selected graphs</source>
        <translation>Hier stehen die ausgewählten Kurven</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (schreibgeschützt)</translation>
    </message>
    <message>
        <source>There are no more entries in this diary!</source>
        <translation>Dieses Tagebuch hat keine weiteren Einträge!</translation>
    </message>
    <message>
        <source>(locked)</source>
        <translation>(gesperrt)</translation>
    </message>
</context>
<context>
    <name>CDayloomFolderDialog</name>
    <message>
        <source>Choose the \DATA folder with your Dayloom v1.00 files</source>
        <translation>Den Ordner \DATA mit Ihren Dateien von Dayloom v1.00 wählen</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>WÄHLEN</translation>
    </message>
</context>
<context>
    <name>CDiaryBackup</name>
    <message>
        <source> No backup was written.</source>
        <translation> Es wurde keine Sicherung geschrieben.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1.</source>
        <translation>Die Sicherung konnte nicht angelegt werden: %1.</translation>
    </message>
    <message>
        <source> Nothing was restored.</source>
        <translation> Es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged; nothing was restored.</source>
        <translation>Die Sicherung %1 ist beschädigt; es wurde nichts wiederhergestellt.</translation>
    </message>
    <message>
        <source>A diary named %1 already exists in %2. Replace it with the backup?</source>
        <translation>In %2 gibt es bereits ein Tagebuch namens %1. Durch die Sicherung ersetzen?</translation>
    </message>
    <message>
        <source> The old diary could not be put back whole:</source>
        <translation> Das alte Tagebuch ließ sich nicht vollständig zurückholen:</translation>
    </message>
</context>
<context>
    <name>CDiaryExporter</name>
    <message>
        <source> Nothing was exported.</source>
        <translation> Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>The diary could not be read.</source>
        <translation>Das Tagebuch konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>Der Export wurde abgebrochen; es wurde keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>CDiaryFileCommands</name>
    <message>
        <source>Open/Create Diary</source>
        <translation>Tagebuch öffnen/anlegen</translation>
    </message>
    <message>
        <source>A diary&apos;s file name needs an extension, as in travel.ilm. Please choose another name.</source>
        <translation>Der Dateiname eines Tagebuchs braucht eine Endung, wie in reise.ilm. Bitte einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>This file name is too long for a diary. Please choose a shorter name.</source>
        <translation>Dieser Dateiname ist für ein Tagebuch zu lang. Bitte einen kürzeren Namen wählen.</translation>
    </message>
</context>
<context>
    <name>CDiaryLock</name>
    <message>
        <source>That is not this diary&apos;s password. Please try again; the password is case sensitive.</source>
        <translation>Das ist nicht das Passwort dieses Tagebuchs. Bitte versuchen Sie es noch einmal; beim Passwort zählt Groß- und Kleinschreibung.</translation>
    </message>
    <message>
        <source>The diary can no longer be read; it may have been moved or emptied.</source>
        <translation>Das Tagebuch lässt sich nicht mehr lesen; vielleicht wurde es verschoben oder geleert.</translation>
    </message>
</context>
<context>
    <name>CDiaryOpener</name>
    <message>
        <source>This diary is already open in another Dayloom window.</source>
        <translation>Dieses Tagebuch ist bereits in einem anderen Dayloom-Fenster geöffnet.</translation>
    </message>
    <message>
        <source>The diary was changed by another program and no longer opens with the password it was opened with. Type its password to go on.</source>
        <translation>Das Tagebuch wurde von einem anderen Programm geändert und öffnet sich nicht mehr mit dem Passwort, mit dem es geöffnet wurde. Geben Sie sein Passwort ein, um weiterzumachen.</translation>
    </message>
</context>
<context>
    <name>CEncryptionCommands</name>
    <message>
        <source>Encrypt diary</source>
        <translation>Tagebuch verschlüsseln</translation>
    </message>
    <message>
        <source>Open a diary that has a password (one entry at least) and is not encrypted yet.</source>
        <translation>Öffnen Sie ein Tagebuch, das ein Passwort hat (mindestens einen Eintrag) und noch nicht verschlüsselt ist.</translation>
    </message>
    <message>
        <source>%1 exists already. Nothing was changed.</source>
        <translation>%1 gibt es bereits. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The encrypted diary %1 was written and checked. Remove the four files of the unencrypted diary? Copies of them elsewhere (backups, synced copies) are not removed.</source>
        <translation>Das verschlüsselte Tagebuch %1 wurde geschrieben und geprüft. Die vier Dateien des unverschlüsselten Tagebuchs entfernen? Kopien an anderen Orten (Sicherungen, synchronisierte Kopien) werden nicht entfernt.</translation>
    </message>
    <message>
        <source>Save decrypted copy</source>
        <translation>Entschlüsselte Kopie speichern</translation>
    </message>
    <message>
        <source>Open an encrypted diary first.</source>
        <translation>Öffnen Sie zuerst ein verschlüsseltes Tagebuch.</translation>
    </message>
    <message>
        <source>%1 exists already. Nothing was written.</source>
        <translation>%1 gibt es bereits. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The copy is not encrypted: anyone who gets its files can read the whole diary. Write it as %1 and its three sibling files?</source>
        <translation>Die Kopie ist nicht verschlüsselt: Wer ihre Dateien bekommt, kann das ganze Tagebuch lesen. Als %1 und die drei zugehörigen Dateien schreiben?</translation>
    </message>
    <message>
        <source>The decrypted copy %1 was written.</source>
        <translation>Die entschlüsselte Kopie %1 wurde geschrieben.</translation>
    </message>
    <message>
        <source>Password successfully changed!</source>
        <translation>Passwort erfolgreich geändert!</translation>
    </message>
    <message>
        <source>An error occured! Your password was not changed successfully!</source>
        <translation>Ein Fehler ist aufgetreten! Ihr Passwort wurde nicht geändert!</translation>
    </message>
    <message>
        <source>The four files cannot hold every character of these reminders and tasks; each one they lack becomes &quot;?&quot;: %1. Write the copy all the same?</source>
        <translation>Die vier Dateien können nicht jedes Zeichen dieser Erinnerungen und Aufgaben aufnehmen; jedes fehlende wird zu „?“: %1. Die Kopie trotzdem schreiben?</translation>
    </message>
</context>
<context>
    <name>CEntryBrowser</name>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Click on any entry here to make it current</source>
        <translation>Einen Eintrag anklicken, um ihn anzuzeigen</translation>
    </message>
</context>
<context>
    <name>CEntryCommands</name>
    <message>
        <source>You must have an entry selected in order to edit it!</source>
        <translation>Zum Bearbeiten muss ein Eintrag ausgewählt sein!</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>You must have an entry selected in order to delete it!</source>
        <translation>Zum Löschen muss ein Eintrag ausgewählt sein!</translation>
    </message>
    <message>
        <source>Delete current entry (%1)?</source>
        <translation>Aktuellen Eintrag (%1) löschen?</translation>
    </message>
    <message>
        <source>%a, %d %b %Y at %H:%M:%S</source>
        <translation>%a, %d. %b %Y um %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>CEntryListModel</name>
    <message>
        <source>%d - %b	 - %Y, %a,	 at %H:%M:%S</source>
        <translation>%d - %b	 - %Y, %a,	 um %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>CEntryPanel</name>
    <message>
        <source>Welcome to %1 - your personal diary
= e-mail: mailto:%2
= WWW: %3
Enjoy!</source>
        <translation>Willkommen bei %1 - Ihrem persönlichen Tagebuch
= E-Mail: mailto:%2
= WWW: %3
Viel Freude!</translation>
    </message>
    <message>
        <source>%1 - this diary has no entries now
= e-mail: %2
= %3
Enjoy!</source>
        <translation>%1 - dieses Tagebuch hat zurzeit keine Einträge
= E-Mail: %2
= %3
Viel Freude!</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Mood:</source>
        <translation>Stimmung:</translation>
    </message>
    <message>
        <source>Fatigue:</source>
        <translation>Müdigkeit:</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Verfassung:</translation>
    </message>
    <message>
        <source>Dream:</source>
        <translation>Traum:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <source>Mood face</source>
        <translation>Stimmungsgesicht</translation>
    </message>
    <message>
        <source>Copulation</source>
        <translation>Beischlaf</translation>
    </message>
    <message>
        <source>Menstruus</source>
        <translation>Menstruation</translation>
    </message>
</context>
<context>
    <name>CEntryPrinter</name>
    <message>
        <source>Entry dated: %d - %B - %Y, %A, at %H:%M:%S</source>
        <translation>Eintrag vom: %d. %B %Y, %A, um %H:%M:%S</translation>
    </message>
    <message>
        <source>Entry mood: %1, fatigue: %2, shape: %3</source>
        <translation>Stimmung: %1, Müdigkeit: %2, Verfassung: %3</translation>
    </message>
    <message>
        <source>dream: %1, copulation: %2, menstruus: %3, weight: %4, temperature: %5</source>
        <translation>Traum: %1, Beischlaf: %2, Menstruation: %3, Gewicht: %4, Temperatur: %5</translation>
    </message>
    <message>
        <source>--- conventions used:</source>
        <translation>--- verwendete Bezeichnungen:</translation>
    </message>
    <message>
        <source>MOODS: -3=%1, -2=%2, -1=%3, 0=%4, +1=%5, +2=%6, +3=%7</source>
        <translation>STIMMUNGEN: -3=%1, -2=%2, -1=%3, 0=%4, +1=%5, +2=%6, +3=%7</translation>
    </message>
    <message>
        <source>FATIGUES: -2=%1, -1=%2, 0=%3; SHAPES: -3=%4, -2=%5, -1=%6, 0=%7</source>
        <translation>MÜDIGKEIT: -2=%1, -1=%2, 0=%3; VERFASSUNG: -3=%4, -2=%5, -1=%6, 0=%7</translation>
    </message>
    <message>
        <source>DREAMS: -2=%1, -1=%2, 0=%3, +1=%4, +2=%5</source>
        <translation>TRÄUME: -2=%1, -1=%2, 0=%3, +1=%4, +2=%5</translation>
    </message>
    <message>
        <source>The entry could not be read from the diary, so it was not printed.</source>
        <translation>Der Eintrag konnte nicht aus dem Tagebuch gelesen werden und wurde daher nicht gedruckt.</translation>
    </message>
    <message>
        <source>Could not start printing!</source>
        <translation>Der Druck konnte nicht gestartet werden!</translation>
    </message>
    <message>
        <source>Could not acquire proper printer settings!</source>
        <translation>Keine gültigen Druckereinstellungen erhalten!</translation>
    </message>
    <message>
        <source>Error starting new page!</source>
        <translation>Fehler beim Beginnen einer neuen Seite!</translation>
    </message>
    <message>
        <source>Error in dcPrinter.EndPage()</source>
        <translation>Fehler in dcPrinter.EndPage()</translation>
    </message>
    <message>
        <source>Error during printing!</source>
        <translation>Fehler beim Drucken!</translation>
    </message>
    <message>
        <source>The PDF file is not encrypted: anyone who can read it can read these entries. Print to it anyway?</source>
        <translation>Die PDF-Datei ist nicht verschlüsselt: Wer sie lesen kann, kann diese Einträge lesen. Trotzdem hineindrucken?</translation>
    </message>
    <message>
        <source>You must have an entry selected in order to print it!</source>
        <translation>Zum Drucken muss ein Eintrag ausgewählt sein!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all entries?</source>
        <translation>Wirklich alle Einträge drucken?</translation>
    </message>
    <message>
        <source>Print all entries</source>
        <translation>Alle Einträge drucken</translation>
    </message>
</context>
<context>
    <name>CEntryRichEdit</name>
    <message>
        <source>Insert picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.</source>
        <translation>Das Bild „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This is no picture Dayloom can read.</source>
        <translation>Dieses Bild kann Dayloom nicht lesen.</translation>
    </message>
    <message>
        <source>The picture is larger than 2 MB even when made no larger than 1600 pixels, so it was not inserted.</source>
        <translation>Das Bild ist selbst bei höchstens 1600 Pixeln größer als 2 MB und wurde daher nicht eingefügt.</translation>
    </message>
    <message>
        <source>A picture in the pasted text could not be read and was left out.</source>
        <translation>Ein Bild im eingefügten Text konnte nicht gelesen werden und wurde weggelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures in the pasted text could not be read and were left out.</source>
        <translation>
            <numerusform>%n Bild im eingefügten Text konnte nicht gelesen werden und wurde weggelassen.</numerusform>
            <numerusform>%n Bilder im eingefügten Text konnten nicht gelesen werden und wurden weggelassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CExportCommands</name>
    <message>
        <source>Export Diary</source>
        <translation>Tagebuch exportieren</translation>
    </message>
    <message>
        <source>The exported file is not encrypted: anyone who can read it can read these entries. Export anyway?</source>
        <translation>Die exportierte Datei ist nicht verschlüsselt: Wer sie lesen kann, kann diese Einträge lesen. Trotzdem exportieren?</translation>
    </message>
    <message>
        <source>The diary has no entries to export.</source>
        <translation>Das Tagebuch hat keine Einträge zum Exportieren.</translation>
    </message>
    <message>
        <source>Export diary as</source>
        <translation>Tagebuch exportieren als</translation>
    </message>
    <message>
        <source>Markdown, web page, plain text or CSV (*.md *.html *.txt *.csv)</source>
        <translation>Markdown, Webseite, reiner Text oder CSV (*.md *.html *.txt *.csv)</translation>
    </message>
    <message>
        <source>The file&apos;s extension chooses what is written: .md for Markdown, .html for a web page, .txt for plain text or .csv for a spreadsheet.</source>
        <translation>Die Dateiendung bestimmt, was geschrieben wird: .md für Markdown, .html für eine Webseite, .txt für reinen Text oder .csv für eine Tabellenkalkulation.</translation>
    </message>
    <message>
        <source>Exporting the diary...</source>
        <translation>Das Tagebuch wird exportiert...</translation>
    </message>
    <message>
        <source>1 entry was exported to %1.</source>
        <translation>1 Eintrag wurde nach %1 exportiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were exported to %1.</source>
        <translation>
            <numerusform>%n Eintrag wurde nach %1 exportiert.</numerusform>
            <numerusform>%n Einträge wurden nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back Up Diary</source>
        <translation>Tagebuch sichern</translation>
    </message>
    <message>
        <source>Back up diary as</source>
        <translation>Tagebuch sichern als</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-Archive (*.zip)</translation>
    </message>
    <message>
        <source>The diary was backed up to %1.</source>
        <translation>Das Tagebuch wurde nach %1 gesichert.</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Restore the diary into folder</source>
        <translation>Das Tagebuch in diesen Ordner wiederherstellen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>CExportHost</name>
    <message>
        <source>Please open a diary first.</source>
        <translation>Bitte zuerst ein Tagebuch öffnen.</translation>
    </message>
    <message>
        <source>Export Diary</source>
        <translation>Tagebuch exportieren</translation>
    </message>
    <message>
        <source>Back Up Diary</source>
        <translation>Tagebuch sichern</translation>
    </message>
</context>
<context>
    <name>CExportOptionsDlg</name>
    <message>
        <source>Export Diary</source>
        <translation>Tagebuch exportieren</translation>
    </message>
    <message>
        <source>&amp;All entries</source>
        <translation>&amp;Alle Einträge</translation>
    </message>
    <message>
        <source>Entries &amp;dated</source>
        <translation>Einträge &amp;datiert</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation>Der Zeitraum endet, bevor er beginnt.</translation>
    </message>
</context>
<context>
    <name>CFiguresText</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <source>Days with an entry: %1 of %2</source>
        <translation>Tage mit Eintrag: %1 von %2</translation>
    </message>
    <message>
        <source>Longest streak: </source>
        <translation>Längste Serie: </translation>
    </message>
    <message>
        <source>Current streak: </source>
        <translation>Aktuelle Serie: </translation>
    </message>
    <message>
        <source>Average words per entry: counting...</source>
        <translation>Wörter je Eintrag im Mittel: wird gezählt...</translation>
    </message>
    <message>
        <source>Average words per entry: %1</source>
        <translation>Wörter je Eintrag im Mittel: %1</translation>
    </message>
    <message>
        <source>Most used tags: </source>
        <translation>Häufigste Schlagwörter: </translation>
    </message>
    <message>
        <source>counting...</source>
        <translation>wird gezählt...</translation>
    </message>
</context>
<context>
    <name>CFileDialogs</name>
    <message>
        <source>Encrypted diaries (*.dayloom)</source>
        <translation>Verschlüsselte Tagebücher (*.dayloom)</translation>
    </message>
    <message>
        <source>Dayloom v2.xx files, scrambled only (*.ilm)</source>
        <translation>Dayloom-v2.xx-Dateien, nur verwürfelt (*.ilm)</translation>
    </message>
    <message>
        <source>Open existing or create a new diary</source>
        <translation>Vorhandenes Tagebuch öffnen oder neues anlegen</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>CForeignExport</name>
    <message>
        <source>jrnl JSON</source>
        <translation>jrnl-JSON</translation>
    </message>
    <message>
        <source>Day One JSON</source>
        <translation>Day-One-JSON</translation>
    </message>
    <message>
        <source>Markdown and text files</source>
        <translation>Markdown- und Textdateien</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>sie ist kein JSON (%1)</translation>
    </message>
    <message>
        <source>it is JSON, but neither a jrnl nor a Day One export</source>
        <translation>sie ist JSON, aber weder ein jrnl- noch ein Day-One-Export</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it holds no Day One journal (.json)</source>
        <translation>sie enthält kein Day-One-Journal (.json)</translation>
    </message>
</context>
<context>
    <name>CForeignImportHost</name>
    <message>
        <source>New encrypted diary for the imported entries</source>
        <translation>Neues verschlüsseltes Tagebuch für die importierten Einträge</translation>
    </message>
    <message>
        <source>Encrypted diaries (*.dayloom)</source>
        <translation>Verschlüsselte Tagebücher (*.dayloom)</translation>
    </message>
</context>
<context>
    <name>CForeignImporter</name>
    <message>
        <source>

Could not be read:
</source>
        <translation>

Nicht lesbar:
</translation>
    </message>
    <message>
        <source>Import from another program</source>
        <translation>Aus anderem Programm importieren</translation>
    </message>
    <message>
        <source>Diary exports (*.json *.zip *.md *.markdown *.txt);;All files (*)</source>
        <translation>Tagebuch-Exporte (*.json *.zip *.md *.markdown *.txt);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>Import all %n Markdown and text files of this folder?</source>
        <translation>
            <numerusform>Die %n Markdown- oder Textdatei dieses Ordners importieren?</numerusform>
            <numerusform>Alle %n Markdown- und Textdateien dieses Ordners importieren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing could be imported from %1.</source>
        <translation>Aus %1 konnte nichts importiert werden.</translation>
    </message>
    <message>
        <source>Nothing to import: the diary already holds all %1 entries of %2.</source>
        <translation>Nichts zu importieren: Das Tagebuch enthält bereits alle %1 Einträge aus %2.</translation>
    </message>
</context>
<context>
    <name>CGraphChoiceBox</name>
    <message>
        <source>Mood</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Müdigkeit</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Verfassung</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Traum</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Menstruus</source>
        <translation>Menstruation</translation>
    </message>
    <message>
        <source>Copulation</source>
        <translation>Beischlaf</translation>
    </message>
    <message>
        <source>Choose graphs:</source>
        <translation>Kurven wählen:</translation>
    </message>
</context>
<context>
    <name>CGraphCtrl</name>
    <message>
        <source>YOU NEED AT LEAST 8 ENTRIES</source>
        <translation>SIE BRAUCHEN MINDESTENS 8 EINTRÄGE,</translation>
    </message>
    <message>
        <source>TO VIEW THE GRAPH!</source>
        <translation>UM DIE GRAFIK ZU SEHEN!</translation>
    </message>
    <message>
        <source>This shows your selected graphs</source>
        <translation>Hier stehen die ausgewählten Kurven</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
</context>
<context>
    <name>CGraphSummary</name>
    <message>
        <source>an unknown day</source>
        <translation>ein unbekannter Tag</translation>
    </message>
    <message>
        <source>No entries to show</source>
        <translation>Keine Einträge anzuzeigen</translation>
    </message>
    <message>
        <source>1 entry on %1</source>
        <translation>1 Eintrag am %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries from %1 to %2</source>
        <translation>
            <numerusform>%n Eintrag vom %1 bis %2</numerusform>
            <numerusform>%n Einträge vom %1 bis %2</numerusform>
        </translation>
    </message>
    <message>
        <source>; mood %1</source>
        <translation>; Stimmung %1</translation>
    </message>
    <message>
        <source>; mood from %1 to %2</source>
        <translation>; Stimmung von %1 bis %2</translation>
    </message>
    <message>
        <source>. The graph is drawn from 8 entries on</source>
        <translation>. Die Grafik erscheint ab 8 Einträgen</translation>
    </message>
</context>
<context>
    <name>CHelp</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>CImportPlan</name>
    <message>
        <source>it has no text</source>
        <translation>er hat keinen Text</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>%1 will be added</source>
        <translation>Hinzuzufügen: %1</translation>
    </message>
    <message>
        <source>, %1 skipped (already in the diary)</source>
        <translation>, übersprungen: %1 (schon im Tagebuch)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weiterer.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import from another program</source>
        <translation>Aus anderem Programm importieren</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Nicht lesbar:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>CJrnlReader</name>
    <message>
        <source>it has no date</source>
        <translation>er hat kein Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation>„%1“ ist keine Datums- und Zeitangabe</translation>
    </message>
</context>
<context>
    <name>CJsonFields</name>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>it is not a record</source>
        <translation>er ist kein Datensatz</translation>
    </message>
    <message>
        <source>its text is longer than %1 characters</source>
        <translation>sein Text ist länger als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>CLockedView</name>
    <message>
        <source>This diary is locked. Type its password to go on.</source>
        <translation>Dieses Tagebuch ist gesperrt. Geben Sie sein Passwort ein, um weiterzumachen.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
</context>
<context>
    <name>CMainMenu</name>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent diaries.</source>
        <translation>%1 ist nicht mehr vorhanden und wurde aus der Liste der zuletzt geöffneten Tagebücher entfernt.</translation>
    </message>
    <message>
        <source>Recent Diaries</source>
        <translation>Zuletzt geöffnete Tagebücher</translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open/Create Diary...</source>
        <translation>Tagebuch ö&amp;ffnen/anlegen...</translation>
    </message>
    <message>
        <source>Recen&amp;t diaries</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Print &amp;all entries</source>
        <translation>&amp;Alle Einträge drucken</translation>
    </message>
    <message>
        <source>&amp;Export diary...</source>
        <translation>Tagebuch e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Back up diary...</source>
        <translation>Tagebuch &amp;sichern...</translation>
    </message>
    <message>
        <source>&amp;Restore from backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Change password...</source>
        <translation>&amp;Passwort ändern...</translation>
    </message>
    <message>
        <source>E&amp;ncrypt diary...</source>
        <translation>Tagebuch &amp;verschlüsseln...</translation>
    </message>
    <message>
        <source>Save &amp;decrypted copy...</source>
        <translation>&amp;Entschlüsselte Kopie speichern...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Entry</source>
        <translation>&amp;Eintrag</translation>
    </message>
    <message>
        <source>&amp;New entry...	F2</source>
        <translation>&amp;Neuer Eintrag...	F2</translation>
    </message>
    <message>
        <source>&amp;Edit entry...	Ctrl+E</source>
        <translation>Eintrag &amp;bearbeiten...	Ctrl+E</translation>
    </message>
    <message>
        <source>Go to &amp;first</source>
        <translation>Zum &amp;ersten</translation>
    </message>
    <message>
        <source>Go to &amp;previous</source>
        <translation>Zum &amp;vorigen</translation>
    </message>
    <message>
        <source>Go to ne&amp;xt</source>
        <translation>Zum näc&amp;hsten</translation>
    </message>
    <message>
        <source>Go to &amp;last</source>
        <translation>Zum &amp;letzten</translation>
    </message>
    <message>
        <source>&amp;Search...	Ctrl+F</source>
        <translation>&amp;Suchen...	Ctrl+F</translation>
    </message>
    <message>
        <source>Print &amp;current entry</source>
        <translation>Aktuellen Eintrag &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Reminders...	F3</source>
        <translation>&amp;Erinnerungen...	F3</translation>
    </message>
    <message>
        <source>&amp;Planner...	F4</source>
        <translation>&amp;Planer...	F4</translation>
    </message>
    <message>
        <source>&amp;Statistics...	F5</source>
        <translation>&amp;Statistik...	F5</translation>
    </message>
    <message>
        <source>&amp;Import from another program...</source>
        <translation>Aus anderem Programm &amp;importieren...</translation>
    </message>
    <message>
        <source>Import from Dayloom v1.00</source>
        <translation>Aus Dayloom v1.00 importieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents	F1</source>
        <translation>Inhalt	F1</translation>
    </message>
    <message>
        <source>Help on main window</source>
        <translation>Hilfe zum Hauptfenster</translation>
    </message>
    <message>
        <source>Tip of the Day...</source>
        <translation>Tipp des Tages...</translation>
    </message>
    <message>
        <source>&amp;About Dayloom...</source>
        <translation>Ü&amp;ber Dayloom...</translation>
    </message>
    <message>
        <source>Jump to the first entry</source>
        <translation>Zum ersten Eintrag springen</translation>
    </message>
    <message>
        <source>View the previous entry</source>
        <translation>Den vorigen Eintrag anzeigen</translation>
    </message>
    <message>
        <source>View the next entry</source>
        <translation>Den nächsten Eintrag anzeigen</translation>
    </message>
    <message>
        <source>Jump to the last entry</source>
        <translation>Zum letzten Eintrag springen</translation>
    </message>
    <message>
        <source>Delete the current entry</source>
        <translation>Den aktuellen Eintrag löschen</translation>
    </message>
    <message>
        <source>Check this box to go into search mode</source>
        <translation>Ankreuzen, um in den Suchmodus zu wechseln</translation>
    </message>
    <message>
        <source>Create a new entry (keyboard shortcut - F2)</source>
        <translation>Neuen Eintrag schreiben (Tastenkürzel - F2)</translation>
    </message>
    <message>
        <source>Add or delete reminders (keyboard shortcut - F3)</source>
        <translation>Erinnerungen hinzufügen oder löschen (Tastenkürzel - F3)</translation>
    </message>
    <message>
        <source>Add, delete and manage plans (keyboard shortcut - F4)</source>
        <translation>Pläne hinzufügen, löschen und verwalten (Tastenkürzel - F4)</translation>
    </message>
    <message>
        <source>Print the current entry</source>
        <translation>Den aktuellen Eintrag drucken</translation>
    </message>
    <message>
        <source>Print all entries</source>
        <translation>Alle Einträge drucken</translation>
    </message>
    <message>
        <source>Change Dayloom options</source>
        <translation>Die Optionen von Dayloom ändern</translation>
    </message>
    <message>
        <source>Visit the WWW site @ </source>
        <translation>Die Website besuchen @ </translation>
    </message>
    <message>
        <source>Send an e-mail to the author</source>
        <translation>Dem Autor eine E-Mail schreiben</translation>
    </message>
    <message>
        <source>Exit Dayloom</source>
        <translation>Dayloom beenden</translation>
    </message>
    <message>
        <source>&amp;Lock diary</source>
        <translation>Tagebuch spe&amp;rren</translation>
    </message>
    <message>
        <source>&amp;Merge another diary...</source>
        <translation>Anderes Tagebuch &amp;zusammenführen...</translation>
    </message>
</context>
<context>
    <name>CMergeCommands</name>
    <message>
        <source>Merge another diary</source>
        <translation>Anderes Tagebuch zusammenführen</translation>
    </message>
    <message>
        <source>Diaries (*.dayloom *.ilm);;All files (*)</source>
        <translation>Tagebücher (*.dayloom *.ilm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Another copy of this diary was found: %1. Merge its entries into this diary?</source>
        <translation>Eine weitere Kopie dieses Tagebuchs wurde gefunden: %1. Ihre Einträge in dieses Tagebuch übernehmen?</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>%1 is damaged: its entries cannot be read. Nothing was merged.</source>
        <translation>%1 ist beschädigt: Seine Einträge lassen sich nicht lesen. Es wurde nichts übernommen.</translation>
    </message>
    <message>
        <source>This diary already holds everything %1 holds: nothing was added.</source>
        <translation>Dieses Tagebuch enthält schon alles, was %1 enthält: Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 is not a diary.</source>
        <translation>%1 ist kein Tagebuch.</translation>
    </message>
    <message>
        <source>The entries of %1 are now in this diary. Remove the copy?</source>
        <translation>Die Einträge von %1 sind jetzt in diesem Tagebuch. Die Kopie entfernen?</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>%1 konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>CMergePreviewDlg</name>
    <message>
        <source>Merge another diary</source>
        <translation>Anderes Tagebuch zusammenführen</translation>
    </message>
    <message>
        <source>Merging %1 into this diary:</source>
        <translation>%1 wird in dieses Tagebuch übernommen:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
</context>
<context>
    <name>CMergeTexts</name>
    <message>
        <source>1 entry</source>
        <translation>1 Eintrag</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 Erinnerung</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n Erinnerung</numerusform>
            <numerusform>%n Erinnerungen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 task</source>
        <translation>1 Aufgabe</translation>
    </message>
    <message numerus="yes">
        <source>%n tasks</source>
        <translation>
            <numerusform>%n Aufgabe</numerusform>
            <numerusform>%n Aufgaben</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Nothing will be added: this diary already holds everything the other copy holds.</source>
        <translation>Es wird nichts hinzugefügt: Dieses Tagebuch enthält schon alles, was die andere Kopie enthält.</translation>
    </message>
    <message>
        <source>%1 will be added.</source>
        <translation>Hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>1 entry will be replaced by a newer version.</source>
        <translation>1 Eintrag wird durch eine neuere Fassung ersetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be replaced by a newer version.</source>
        <translation>
            <numerusform>%n Eintrag wird durch eine neuere Fassung ersetzt.</numerusform>
            <numerusform>%n Einträge werden durch eine neuere Fassung ersetzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry will be deleted.</source>
        <translation>1 Eintrag wird gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be deleted.</source>
        <translation>
            <numerusform>%n Eintrag wird gelöscht.</numerusform>
            <numerusform>%n Einträge werden gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry was edited differently in both copies: both versions of it will be kept.</source>
        <translation>1 Eintrag wurde in beiden Kopien unterschiedlich bearbeitet: Beide Fassungen bleiben erhalten.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were edited differently in both copies: both versions of each will be kept.</source>
        <translation>
            <numerusform>%n Eintrag wurde in beiden Kopien unterschiedlich bearbeitet: Beide Fassungen bleiben erhalten.</numerusform>
            <numerusform>%n Einträge wurden in beiden Kopien unterschiedlich bearbeitet: Von jedem bleiben beide Fassungen erhalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>These copies keep no record of deletions: an entry deleted in only one of them comes back.</source>
        <translation>Diese Kopien merken sich keine Löschungen: Ein Eintrag, der nur in einer von ihnen gelöscht wurde, kommt zurück.</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>Hinzugefügt wurde: %1.</translation>
    </message>
    <message>
        <source>%1 were added.</source>
        <translation>Hinzugefügt wurden: %1.</translation>
    </message>
    <message>
        <source>1 entry was replaced by a newer version.</source>
        <translation>1 Eintrag wurde durch eine neuere Fassung ersetzt.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were replaced by a newer version.</source>
        <translation>
            <numerusform>%n Eintrag wurde durch eine neuere Fassung ersetzt.</numerusform>
            <numerusform>%n Einträge wurden durch eine neuere Fassung ersetzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry was deleted.</source>
        <translation>1 Eintrag wurde gelöscht.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were deleted.</source>
        <translation>
            <numerusform>%n Eintrag wurde gelöscht.</numerusform>
            <numerusform>%n Einträge wurden gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>The entry of %1 was edited differently in both copies: both versions are kept (%1 and %2).</source>
        <translation>Der Eintrag vom %1 wurde in beiden Kopien unterschiedlich bearbeitet: Beide Fassungen bleiben erhalten (%1 und %2).</translation>
    </message>
</context>
<context>
    <name>CMonthlyChart</name>
    <message>
        <source>Mood</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Müdigkeit</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Verfassung</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Traum</translation>
    </message>
</context>
<context>
    <name>CNewEntryDlg</name>
    <message>
        <source>Edit Entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>This diary entry cannot be read, so it cannot be edited.</source>
        <translation>Dieser Tagebucheintrag ist nicht lesbar und kann daher nicht bearbeitet werden.</translation>
    </message>
    <message>
        <source>An entry cannot keep control characters; 1 of them (%1) was not taken.</source>
        <translation>Ein Eintrag kann keine Steuerzeichen enthalten; 1 davon (%1) wurde nicht übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>An entry cannot keep control characters; %n of them (%1) were not taken.</source>
        <translation>
            <numerusform>Ein Eintrag kann keine Steuerzeichen enthalten; %n davon (%1) wurde nicht übernommen.</numerusform>
            <numerusform>Ein Eintrag kann keine Steuerzeichen enthalten; %n davon (%1) wurden nicht übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>You can select any date for your entry</source>
        <translation>Sie können jedes Datum für Ihren Eintrag wählen</translation>
    </message>
    <message>
        <source>You can change the time of day of your entry</source>
        <translation>Sie können die Uhrzeit Ihres Eintrags ändern</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Insert picture...</source>
        <translation>Bild einfügen...</translation>
    </message>
    <message>
        <source>Inserts a picture at the cursor. CTRL+SHIFT+P</source>
        <translation>Fügt an der Schreibmarke ein Bild ein. STRG+UMSCHALT+P</translation>
    </message>
    <message>
        <source>Toggles Bold. CTRL+B</source>
        <translation>Fett ein/aus. STRG+B</translation>
    </message>
    <message>
        <source>Toggles Italic. CTRL+I</source>
        <translation>Kursiv ein/aus. STRG+I</translation>
    </message>
    <message>
        <source>Toggles Underlining. CTRL+U</source>
        <translation>Unterstreichen ein/aus. STRG+U</translation>
    </message>
    <message>
        <source>Entry text</source>
        <translation>Text des Eintrags</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Müdigkeit</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Verfassung</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Traum</translation>
    </message>
    <message>
        <source>Click left and right arrows to set your last night&apos;s dreams</source>
        <translation>Mit den Pfeilen links und rechts die Träume der letzten Nacht einstellen</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Menstruus</source>
        <translation>Menstruation</translation>
    </message>
    <message>
        <source>Copulation</source>
        <translation>Beischlaf</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Save this entry</source>
        <translation>Diesen Eintrag speichern</translation>
    </message>
    <message>
        <source>DISCARD</source>
        <translation>VERWERFEN</translation>
    </message>
    <message>
        <source>Discard this entry</source>
        <translation>Diesen Eintrag verwerfen</translation>
    </message>
    <message>
        <source>HELP!</source>
        <translation>HILFE!</translation>
    </message>
    <message>
        <source>Click to read extensive help</source>
        <translation>Klicken für ausführliche Hilfe</translation>
    </message>
    <message>
        <source> Weight:</source>
        <translation> Gewicht:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <source>Save this diary entry?</source>
        <translation>Diesen Tagebucheintrag speichern?</translation>
    </message>
    <message>
        <source>Please choose a date between %1 and %2.</source>
        <translation>Bitte ein Datum zwischen %1 und %2 wählen.</translation>
    </message>
    <message>
        <source>Discard the changes to this diary entry?</source>
        <translation>Die Änderungen an diesem Tagebucheintrag verwerfen?</translation>
    </message>
    <message>
        <source>Discard this diary entry?</source>
        <translation>Diesen Tagebucheintrag verwerfen?</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd, dd. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>CNewEntryDlgDraft</name>
    <message>
        <source>The unsaved draft was sealed under an earlier password of this diary. Type that password to restore it?</source>
        <translation>Der ungespeicherte Entwurf wurde mit einem früheren Passwort dieses Tagebuchs versiegelt. Dieses Passwort eingeben, um ihn wiederherzustellen?</translation>
    </message>
    <message>
        <source>&amp;Type the password</source>
        <translation>Passwort &amp;eingeben</translation>
    </message>
    <message>
        <source>&amp;Set aside</source>
        <translation>&amp;Beiseitelegen</translation>
    </message>
    <message>
        <source>The earlier password of the draft</source>
        <translation>Das frühere Passwort des Entwurfs</translation>
    </message>
    <message>
        <source>That password does not open the draft. Try another?</source>
        <translation>Dieses Passwort öffnet den Entwurf nicht. Ein anderes versuchen?</translation>
    </message>
    <message>
        <source>The unsaved draft could not be read; it was kept as %1.</source>
        <translation>Der ungespeicherte Entwurf war nicht lesbar; er wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>den Eintrag vom %1</translation>
    </message>
    <message>
        <source>a new entry</source>
        <translation>einen neuen Eintrag</translation>
    </message>
    <message>
        <source>A draft of %1 from %2 was not saved. Restore it?</source>
        <translation>Ein Entwurf für %1 von %2 wurde nicht gespeichert. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard draft</source>
        <translation>Entwurf verwerfen</translation>
    </message>
</context>
<context>
    <name>CNewPasswordFields</name>
    <message>
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Passwortstärke</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>You must enter at least %1 characters!</source>
        <translation>Sie müssen mindestens %1 Zeichen eingeben!</translation>
    </message>
    <message>
        <source>A password can have at most %1 characters; this one has %2.</source>
        <translation>Ein Passwort darf höchstens %1 Zeichen haben; dieses hat %2.</translation>
    </message>
    <message>
        <source>The passwords do not match!</source>
        <translation>Die Passwörter stimmen nicht überein!</translation>
    </message>
    <message>
        <source>This password is easy to guess. Use it anyway?</source>
        <translation>Dieses Passwort ist leicht zu erraten. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Aktuelles Passwort</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
</context>
<context>
    <name>CNewPasswordPrompt</name>
    <message>
        <source>You are creating a new diary and you must specify a password for it. The password is case SeNsItIvE!</source>
        <translation>Sie legen ein neues Tagebuch an und müssen ein Passwort dafür festlegen. Beim Passwort zählt GrOß- UnD kLeInScHrEiBuNg!</translation>
    </message>
</context>
<context>
    <name>CNoticeBar</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>COnThisDayView</name>
    <message>
        <source>What you wrote on this day in earlier years</source>
        <translation>Was Sie an diesem Tag in früheren Jahren geschrieben haben</translation>
    </message>
</context>
<context>
    <name>COpenDiary</name>
    <message>
        <source>This diary is read-only: it cannot be changed.</source>
        <translation>Dieses Tagebuch ist schreibgeschützt: Es kann nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Müdigkeit</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Verfassung</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Traum</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Days before an event it is marked as &apos;Soon&apos;</source>
        <translation>Tage vor einem Ereignis, ab denen es als „Bald“ gilt</translation>
    </message>
    <message>
        <source>Mark as &apos;Soon&apos;</source>
        <translation>Als „Bald“ zeigen</translation>
    </message>
    <message>
        <source>day(s) before the event</source>
        <translation>Tag(e) vor dem Ereignis</translation>
    </message>
    <message>
        <source>Open last diary at startup</source>
        <translation>Letztes Tagebuch beim Start öffnen</translation>
    </message>
    <message>
        <source>Show &quot;on this day&quot; under the reminders</source>
        <translation>„An diesem Tag“ unter den Erinnerungen zeigen</translation>
    </message>
    <message>
        <source>Show today&apos;s reminders as desktop notifications</source>
        <translation>Heutige Erinnerungen als Desktop-Benachrichtigung zeigen</translation>
    </message>
    <message>
        <source>An encrypted diary&apos;s notification gives only the number of reminders</source>
        <translation>Die Benachrichtigung eines verschlüsselten Tagebuchs nennt nur die Zahl der Erinnerungen</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>Rechtschreibung beim Tippen prüfen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed.</source>
        <translation>Kein Rechtschreibwörterbuch installiert.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>&amp;Lock the diary after</source>
        <translation>Tagebuch &amp;sperren nach</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Minutes without use before the diary locks</source>
        <translation>Minuten ohne Benutzung, bis das Tagebuch sich sperrt</translation>
    </message>
    <message>
        <source>0 never locks the diary by itself</source>
        <translation>Bei 0 sperrt sich das Tagebuch nie von selbst</translation>
    </message>
    <message>
        <source>minutes without use</source>
        <translation>Minuten ohne Benutzung</translation>
    </message>
</context>
<context>
    <name>CPasswordStrength</name>
    <message>
        <source>Very weak</source>
        <translation>Sehr schwach</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Sehr stark</translation>
    </message>
</context>
<context>
    <name>CPlannerDlg</name>
    <message>
        <source>Planner</source>
        <translation>Planer</translation>
    </message>
    <message>
        <source>Click on a planner entry to select it</source>
        <translation>Einen Planereintrag anklicken, um ihn auszuwählen</translation>
    </message>
    <message>
        <source>Add or update planner data:</source>
        <translation>Planereintrag hinzufügen oder ändern:</translation>
    </message>
    <message>
        <source>Enter planner entry description</source>
        <translation>Beschreibung des Planereintrags eingeben</translation>
    </message>
    <message>
        <source>Add another planner entry</source>
        <translation>Einen weiteren Planereintrag hinzufügen</translation>
    </message>
    <message>
        <source>Delete currently selected planner entry</source>
        <translation>Den ausgewählten Planereintrag löschen</translation>
    </message>
    <message>
        <source>Close the planners window</source>
        <translation>Das Planerfenster schließen</translation>
    </message>
    <message>
        <source>Choose the date you plan to complete your planner entry</source>
        <translation>Das Datum wählen, an dem der Planereintrag erledigt sein soll</translation>
    </message>
    <message>
        <source>Choose the date you actually completed your planner entry</source>
        <translation>Das Datum wählen, an dem der Planereintrag tatsächlich erledigt wurde</translation>
    </message>
    <message>
        <source>Planned date: </source>
        <translation>Geplant: </translation>
    </message>
    <message>
        <source>Actual date: </source>
        <translation>Erledigt: </translation>
    </message>
    <message>
        <source>You must have a planner entry selected in order to delete it!</source>
        <translation>Zum Löschen muss ein Planereintrag ausgewählt sein!</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>You must have a planner entry selected in order to modify it!</source>
        <translation>Zum Ändern muss ein Planereintrag ausgewählt sein!</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>CPlannerSummary</name>
    <message>
        <source> ] NOT DONE</source>
        <translation> ] NICHT ERLEDIGT</translation>
    </message>
    <message>
        <source> ] DONE on %d %b</source>
        <translation> ] ERLEDIGT am %d. %b</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source> ] DONE ON TIME</source>
        <translation> ] PÜNKTLICH ERLEDIGT</translation>
    </message>
    <message>
        <source> ERROR</source>
        <translation> FEHLER</translation>
    </message>
    <message>
        <source>%d %b [ </source>
        <translation>%d. %b [ </translation>
    </message>
</context>
<context>
    <name>CPlanningCommands</name>
    <message>
        <source>You must open or create a diary to use the reminder!</source>
        <translation>Für die Erinnerungen müssen Sie ein Tagebuch öffnen oder anlegen!</translation>
    </message>
    <message>
        <source>You must open or create a diary to use the planners!</source>
        <translation>Für den Planer müssen Sie ein Tagebuch öffnen oder anlegen!</translation>
    </message>
</context>
<context>
    <name>CPlanningForm</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>HELP!</source>
        <translation>HILFE!</translation>
    </message>
    <message>
        <source>Click to read extensive help</source>
        <translation>Klicken für ausführliche Hilfe</translation>
    </message>
    <message>
        <source>A description holds at most %1 characters; &quot;%2&quot; was not taken.</source>
        <translation>Eine Beschreibung fasst höchstens %1 Zeichen; „%2“ wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CReloadedBar</name>
    <message>
        <source>The diary was changed by another program and has been reloaded.</source>
        <translation>Das Tagebuch wurde von einem anderen Programm geändert und neu geladen.</translation>
    </message>
</context>
<context>
    <name>CReminderSummary</name>
    <message>
        <source>Today [%d %b, %a]: </source>
        <translation>Heute [%d. %b, %a]: </translation>
    </message>
    <message>
        <source>Tomorrow </source>
        <translation>Morgen </translation>
    </message>
    <message numerus="yes">
        <source>Soon [in %n days] </source>
        <translation>
            <numerusform>Bald [in %n Tag] </numerusform>
            <numerusform>Bald [in %n Tagen] </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days </source>
        <translation>
            <numerusform>in %n Tag </numerusform>
            <numerusform>in %n Tagen </numerusform>
        </translation>
    </message>
    <message>
        <source>[%d %b, %a]: </source>
        <translation>[%d. %b, %a]: </translation>
    </message>
</context>
<context>
    <name>CRemindersDlg</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Click on a reminder to select it</source>
        <translation>Eine Erinnerung anklicken, um sie auszuwählen</translation>
    </message>
    <message>
        <source>Enter reminder information:</source>
        <translation>Angaben zur Erinnerung:</translation>
    </message>
    <message>
        <source>Enter reminder description</source>
        <translation>Beschreibung der Erinnerung eingeben</translation>
    </message>
    <message>
        <source>Add another reminder</source>
        <translation>Eine weitere Erinnerung hinzufügen</translation>
    </message>
    <message>
        <source>Delete currently selected reminder</source>
        <translation>Die ausgewählte Erinnerung löschen</translation>
    </message>
    <message>
        <source>Close the reminders window</source>
        <translation>Das Erinnerungsfenster schließen</translation>
    </message>
    <message>
        <source>Choose a date of the reminder</source>
        <translation>Ein Datum für die Erinnerung wählen</translation>
    </message>
    <message>
        <source>You must have a reminder selected in order to delete it!</source>
        <translation>Zum Löschen muss eine Erinnerung ausgewählt sein!</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>on %#x : </source>
        <translation>am %#x : </translation>
    </message>
    <message>
        <source>on %#x: </source>
        <translation>am %#x: </translation>
    </message>
</context>
<context>
    <name>CSaveCancelHelpRow</name>
    <message>
        <source>SAVE</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>HELP!</source>
        <translation>HILFE!</translation>
    </message>
</context>
<context>
    <name>CScrambledDiaryBar</name>
    <message>
        <source>This diary is only scrambled: anyone with its files can read it.</source>
        <translation>Dieses Tagebuch ist nur verwürfelt: Wer seine Dateien hat, kann es lesen.</translation>
    </message>
    <message>
        <source>Encrypt diary...</source>
        <translation>Verschlüsseln...</translation>
    </message>
</context>
<context>
    <name>CScreenLockWatch</name>
    <message>
        <source>Lock the diary before sleep</source>
        <translation>Das Tagebuch vor dem Ruhezustand sperren</translation>
    </message>
</context>
<context>
    <name>CSearchMode</name>
    <message>
        <source>Search text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Tage:</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>Vom Tag</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>Bis zum Tag</translation>
    </message>
    <message>
        <source>Mood:</source>
        <translation>Stimmung:</translation>
    </message>
    <message>
        <source>Lowest mood</source>
        <translation>Niedrigste Stimmung</translation>
    </message>
    <message>
        <source>Highest mood</source>
        <translation>Höchste Stimmung</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Schlagwort</translation>
    </message>
    <message>
        <source>(any)</source>
        <translation>(alle)</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Schlagwort:</translation>
    </message>
    <message>
        <source>There are no more entries in this diary!</source>
        <translation>Dieses Tagebuch hat keine weiteren Einträge!</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>No entry found</source>
        <translation>Kein Eintrag gefunden</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>1 Eintrag gefunden</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>%n Eintrag gefunden</numerusform>
            <numerusform>%n Einträge gefunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSecurityDlg</name>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>You must provide a password for this diary:</source>
        <translation>Geben Sie das Passwort dieses Tagebuchs ein:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Passwortstärke</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Stärke: %1</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Passwort bestätigen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You are creating a new diary!</source>
        <translation>Sie legen ein neues Tagebuch an!</translation>
    </message>
    <message>
        <source>You must enter at least 3 characters!</source>
        <translation>Sie müssen mindestens 3 Zeichen eingeben!</translation>
    </message>
    <message>
        <source>A password can have at most %1 characters; this one has %2.</source>
        <translation>Ein Passwort darf höchstens %1 Zeichen haben; dieses hat %2.</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Depressed</source>
        <translation>Deprimiert</translation>
    </message>
    <message>
        <source>Sad</source>
        <translation>Traurig</translation>
    </message>
    <message>
        <source>Not Good</source>
        <translation>Nicht gut</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Hervorragend</translation>
    </message>
    <message>
        <source>Exhausted</source>
        <translation>Erschöpft</translation>
    </message>
    <message>
        <source>Tired</source>
        <translation>Müde</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Very Sick</source>
        <translation>Sehr krank</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Krank</translation>
    </message>
    <message>
        <source>Not Well</source>
        <translation>Unwohl</translation>
    </message>
    <message>
        <source>Healthy</source>
        <translation>Gesund</translation>
    </message>
    <message>
        <source>Nightmare</source>
        <translation>Albtraum</translation>
    </message>
    <message>
        <source>Strange</source>
        <translation>Seltsam</translation>
    </message>
    <message>
        <source>Amusing</source>
        <translation>Lustig</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Schön</translation>
    </message>
</context>
<context>
    <name>CSpellMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>The word could not be saved in your dictionary (%1).</source>
        <translation>Das Wort konnte nicht in Ihrem Wörterbuch gespeichert werden (%1).</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>CSplashDlg</name>
    <message>
        <source>Push to continue...</source>
        <translation>Weiter...</translation>
    </message>
    <message>
        <source>Unable to create timer!</source>
        <translation>Der Zeitgeber konnte nicht angelegt werden!</translation>
    </message>
    <message>
        <source>Push to continue or wait %1 more seconds...</source>
        <translation>Weiter - oder noch %1 Sekunden warten...</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Mood</source>
        <translation>Stimmung</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Müdigkeit</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Verfassung</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Traum</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>&amp;Colours show:</source>
        <translation>&amp;Farben zeigen:</translation>
    </message>
    <message>
        <source>Year in colours</source>
        <translation>Jahr in Farben</translation>
    </message>
    <message>
        <source>A day with several entries shows the ratings of its latest entry.</source>
        <translation>Ein Tag mit mehreren Einträgen zeigt die Bewertungen seines letzten Eintrags.</translation>
    </message>
    <message>
        <source>Monthly averages</source>
        <translation>Monatsmittel</translation>
    </message>
    <message>
        <source>&amp;All years</source>
        <translation>&amp;Alle Jahre</translation>
    </message>
    <message>
        <source>Statistics pages</source>
        <translation>Statistikseiten</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Ganzes Tagebuch</translation>
    </message>
    <message>
        <source>Moods:</source>
        <translation>Stimmungen:</translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Monthly averages %1.png</source>
        <translation>Monatsmittel %1.png</translation>
    </message>
</context>
<context>
    <name>CStoreMessageText</name>
    <message>
        <source>No error occurred.</source>
        <translation>Es ist kein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verbunden.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es das aktuelle Verzeichnis ist.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>%1 konnte nicht angelegt werden, weil das Verzeichnis voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>Beim Zugriff auf %1 wurde ein Hardware-E/A-Fehler gemeldet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 trat eine Freigabeverletzung auf.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 trat eine Sperrverletzung auf.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Datenträger voll beim Zugriff auf %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <source>%1 would grow past the 4 GB a diary&apos;s texts can take, so this was not saved. Start a new diary for the years to come.</source>
        <translation>%1 würde über die 4 GB wachsen, die die Texte eines Tagebuchs fassen können, daher wurde dies nicht gespeichert. Beginnen Sie für die kommenden Jahre ein neues Tagebuch.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The file %1 is not a Dayloom diary, or it is damaged. Nothing was opened.</source>
        <translation>Die Datei %1 ist kein Dayloom-Tagebuch oder sie ist beschädigt. Es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a diary. Nothing was opened.</source>
        <translation>%1 ist ein Ordner, kein Tagebuch. Es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>The file %1 is not a Dayloom diary. Nothing was opened.</source>
        <translation>Die Datei %1 ist kein Dayloom-Tagebuch. Es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>The diary file %1 is damaged or was altered. Nothing was opened.</source>
        <translation>Die Tagebuchdatei %1 ist beschädigt oder wurde verändert. Es wurde nichts geöffnet.</translation>
    </message>
    <message>
        <source>This diary was made by a newer Dayloom and cannot be opened here.</source>
        <translation>Dieses Tagebuch stammt von einem neueren Dayloom und kann hier nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The cryptography library could not be started.</source>
        <translation>Die Kryptografie-Bibliothek konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>CSummaries</name>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Planer</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>An diesem Tag</translation>
    </message>
    <message>
        <source>Reminders:</source>
        <translation>Erinnerungen:</translation>
    </message>
    <message>
        <source>Planner:</source>
        <translation>Planer:</translation>
    </message>
</context>
<context>
    <name>CTextFileReader</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>its text is longer than %1 characters</source>
        <translation>ihr Text ist länger als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>CTipDlg</name>
    <message>
        <source>Trouble reading the tips file</source>
        <translation>Probleme beim Lesen der Tippdatei</translation>
    </message>
    <message>
        <source>Tip of the day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;Show Tips on StartUp</source>
        <translation>Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Tips file does not exist. It must be placed in the same directory as DAYLOOM.EXE and named TIPS.TXT</source>
        <translation>Die Tippdatei fehlt. Sie muss im selben Verzeichnis wie DAYLOOM.EXE liegen und TIPS.TXT heißen</translation>
    </message>
</context>
<context>
    <name>CTipTexts</name>
    <message>
        <source>Press F2 in the main window to write a new entry. If no diary is open yet, Dayloom first asks you to open one or to create a new one.</source>
        <translation>Drücken Sie im Hauptfenster F2, um einen neuen Eintrag zu schreiben. Ist noch kein Tagebuch geöffnet, bittet Dayloom Sie zuerst, eines zu öffnen oder ein neues anzulegen.</translation>
    </message>
    <message>
        <source>The first entry of a new diary sets its password. Choose one you will remember: without it nobody, not even you, can read the diary again.</source>
        <translation>Der erste Eintrag eines neuen Tagebuchs legt sein Passwort fest. Wählen Sie eines, das Sie nicht vergessen: Ohne es kann niemand, nicht einmal Sie, das Tagebuch wieder lesen.</translation>
    </message>
    <message>
        <source>Passwords are case sensitive: &quot;Summer&quot; and &quot;summer&quot; are two different passwords.</source>
        <translation>Bei Passwörtern zählt die Groß- und Kleinschreibung: „Sommer“ und „sommer“ sind zwei verschiedene Passwörter.</translation>
    </message>
    <message>
        <source>Tick &quot;Open last diary at startup&quot; in the Options dialog and Dayloom asks for your password as soon as it starts.</source>
        <translation>Kreuzen Sie in den Optionen „Letztes Tagebuch beim Start öffnen“ an, dann fragt Dayloom gleich beim Start nach Ihrem Passwort.</translation>
    </message>
    <message>
        <source>The First, Previous, Next and Last buttons, and the same commands in the Entry menu, move through your diary one entry at a time.</source>
        <translation>Die Schaltflächen Erster, Voriger, Nächster und Letzter und dieselben Befehle im Menü Eintrag blättern Eintrag für Eintrag durch Ihr Tagebuch.</translation>
    </message>
    <message>
        <source>Tick the Search box and type a word to find the entries whose text contains it.</source>
        <translation>Kreuzen Sie das Suchfeld an und tippen Sie ein Wort, um die Einträge zu finden, deren Text es enthält.</translation>
    </message>
    <message>
        <source>Every entry keeps four ratings: mood, fatigue, shape and last night&apos;s dream. The graph panel draws them over time once your diary has at least eight entries.</source>
        <translation>Jeder Eintrag hält vier Bewertungen fest: Stimmung, Müdigkeit, Verfassung und den Traum der letzten Nacht. Die Grafik zeichnet sie über die Zeit, sobald Ihr Tagebuch mindestens acht Einträge hat.</translation>
    </message>
    <message>
        <source>The check boxes under &quot;Choose graphs:&quot; switch each series of the graph on or off. The same switches show or hide the values in the entry view.</source>
        <translation>Die Kästchen unter „Kurven wählen:“ schalten jede Kurve der Grafik ein oder aus. Dieselben Schalter zeigen oder verbergen die Werte in der Eintragsansicht.</translation>
    </message>
    <message>
        <source>Web addresses and mail addresses you type in an entry become links. Click one to open it.</source>
        <translation>Web- und Mail-Adressen, die Sie in einen Eintrag tippen, werden zu Links. Ein Klick öffnet sie.</translation>
    </message>
    <message>
        <source>In the New Entry editor you can change the font, its size and colour, and make text bold, italic or underlined.</source>
        <translation>Im Editor für neue Einträge können Sie Schriftart, Größe und Farbe ändern und Text fett, kursiv oder unterstrichen setzen.</translation>
    </message>
    <message>
        <source>The names of the rating values are yours: change &quot;Very good&quot;, &quot;Tired&quot; and the others in the Options dialog.</source>
        <translation>Die Namen der Bewertungen gehören Ihnen: Ändern Sie „Sehr gut“, „Müde“ und die anderen in den Optionen.</translation>
    </message>
    <message>
        <source>Reminders come back every year. Add birthdays and anniversaries once in the Reminders dialog and the main window tells you when they are near.</source>
        <translation>Erinnerungen kehren jedes Jahr wieder. Tragen Sie Geburtstage und Jahrestage einmal in die Erinnerungen ein, und das Hauptfenster sagt Ihnen, wenn sie nahen.</translation>
    </message>
    <message>
        <source>The &quot;Soon&quot; window of the reminder summary is set in days in the Options dialog; the change shows at the next start.</source>
        <translation>Wie viele Tage vorher eine Erinnerung als „Bald“ gilt, stellen Sie in den Optionen ein; die Änderung zeigt sich beim nächsten Start.</translation>
    </message>
    <message>
        <source>Keep track of what you want to get done in the Planner. Mark a task done and Dayloom notes the date you finished it.</source>
        <translation>Halten Sie im Planer fest, was Sie erledigen wollen. Markieren Sie eine Aufgabe als erledigt, und Dayloom notiert das Datum.</translation>
    </message>
    <message>
        <source>Change the password of your diary with Change Password. Every entry is encrypted again with the new password.</source>
        <translation>Ändern Sie das Passwort Ihres Tagebuchs mit „Passwort ändern“. Jeder Eintrag wird mit dem neuen Passwort neu verschlüsselt.</translation>
    </message>
    <message>
        <source>Print the entry you are reading, or every entry of your diary, one entry per print job.</source>
        <translation>Drucken Sie den Eintrag, den Sie lesen, oder jeden Eintrag Ihres Tagebuchs, einen Eintrag je Druckauftrag.</translation>
    </message>
    <message>
        <source>Diaries written with Dayloom 1.00 can be imported: choose the DATA folder that holds their files.</source>
        <translation>Mit Dayloom 1.00 geschriebene Tagebücher lassen sich importieren: Wählen Sie den Ordner DATA mit ihren Dateien.</translation>
    </message>
    <message>
        <source>A diary is a set of files that share one name. Copy all of them together when you make a backup.</source>
        <translation>Ein Tagebuch besteht aus Dateien mit gemeinsamem Namen. Kopieren Sie für eine Sicherung alle zusammen.</translation>
    </message>
    <message>
        <source>Press F1 in a dialog that has a &quot;HELP!&quot; button to read about that dialog.</source>
        <translation>Drücken Sie F1 in einem Dialog mit der Schaltfläche „HILFE!“, um mehr über ihn zu lesen.</translation>
    </message>
    <message>
        <source>Don&apos;t want to see these tips at start-up? Untick &quot;Show Tips on StartUp&quot; and press Close. &quot;Tip of the Day...&quot; in the Help menu still shows them.</source>
        <translation>Sie möchten diese Tipps beim Start nicht sehen? Nehmen Sie das Häkchen bei „Tipps beim Start zeigen“ weg und drücken Sie Schließen. „Tipp des Tages...“ im Menü Hilfe zeigt sie weiterhin.</translation>
    </message>
</context>
<context>
    <name>CTodayNotification</name>
    <message>
        <source>1 reminder today</source>
        <translation>1 Erinnerung heute</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders today</source>
        <translation>
            <numerusform>%n Erinnerung heute</numerusform>
            <numerusform>%n Erinnerungen heute</numerusform>
        </translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
</context>
<context>
    <name>CVersion1Importer</name>
    <message>
        <source>Select the directory with your old data files (it will be called \DATA in the directory where you installed Dayloom v1.00).</source>
        <translation>Wählen Sie das Verzeichnis mit Ihren alten Datendateien (es heißt \DATA und liegt im Verzeichnis, in dem Dayloom v1.00 installiert wurde).</translation>
    </message>
    <message>
        <source>That is probably not a correct directory! The directory Dayloom needs will be named \DATA and it will be a subdirectory of a directory where you installed Dayloom v1.00!</source>
        <translation>Das ist wahrscheinlich nicht das richtige Verzeichnis! Dayloom braucht das Verzeichnis \DATA, ein Unterverzeichnis des Verzeichnisses, in dem Dayloom v1.00 installiert wurde!</translation>
    </message>
    <message numerus="yes">
        <source>Successfully converted %n entries!</source>
        <translation>
            <numerusform>%n Eintrag erfolgreich umgewandelt!</numerusform>
            <numerusform>%n Einträge erfolgreich umgewandelt!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Skipped %n entries already in the diary!</source>
        <translation>
            <numerusform> %n Eintrag war schon im Tagebuch und wurde übersprungen!</numerusform>
            <numerusform> %n Einträge waren schon im Tagebuch und wurden übersprungen!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were not converted because their names do not carry a date and time the way Dayloom v1.00 wrote them.</source>
        <translation>
            <numerusform>%n Datei wurde nicht umgewandelt, weil ihr Name kein Datum und keine Uhrzeit so trägt, wie Dayloom v1.00 sie schrieb.</numerusform>
            <numerusform>%n Dateien wurden nicht umgewandelt, weil ihre Namen kein Datum und keine Uhrzeit so tragen, wie Dayloom v1.00 sie schrieb.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error while opening old file!</source>
        <translation>Fehler beim Öffnen einer alten Datei!</translation>
    </message>
</context>
<context>
    <name>CWordCountLabel</name>
    <message>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1 selected)</source>
        <translation> (%1 markiert)</translation>
    </message>
</context>
<context>
    <name>CWordText</name>
    <message>
        <source>1 year ago: </source>
        <translation>Vor 1 Jahr: </translation>
    </message>
    <message numerus="yes">
        <source>%n years ago: </source>
        <translation>
            <numerusform>Vor %n Jahr: </numerusform>
            <numerusform>Vor %n Jahren: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CYearGridView</name>
    <message>
        <source>
No entry</source>
        <translation>
Kein Eintrag</translation>
    </message>
    <message>
        <source>
Mood: </source>
        <translation>
Stimmung: </translation>
    </message>
    <message>
        <source>
Fatigue: </source>
        <translation>
Müdigkeit: </translation>
    </message>
    <message>
        <source>
Shape: </source>
        <translation>
Verfassung: </translation>
    </message>
    <message>
        <source>
Dream: </source>
        <translation>
Traum: </translation>
    </message>
    <message numerus="yes">
        <source>
(%n entries: the latest shown)</source>
        <translation>
            <numerusform>
(%n Eintrag: der letzte wird gezeigt)</numerusform>
            <numerusform>
(%n Einträge: der letzte wird gezeigt)</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry</source>
        <translation>Kein Eintrag</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
</TS>
