<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About the author...</source>
        <translation>Об авторе...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Encrypted diaries (*.dayloom) are sealed with XChaCha20-Poly1305 under a key made from the password with Argon2id (libsodium): without the password nobody can read them, and any change to the file is noticed. Four-file diaries (*.ilm) are only scrambled.</source>
        <translation>Зашифрованные дневники (*.dayloom) запечатаны XChaCha20-Poly1305 ключом, полученным из пароля с помощью Argon2id (libsodium): без пароля их никто не прочтёт, а любое изменение файла будет замечено. Дневники из четырёх файлов (*.ilm) лишь перемешаны.</translation>
    </message>
</context>
<context>
    <name>CAnsiCodec</name>
    <message>
        <source>This text contains characters that a diary cannot store: %1. Please use only Western European letters, digits and punctuation.</source>
        <translation>В этом тексте есть символы, которые дневник не может сохранить: %1. Используйте только западноевропейские буквы, цифры и знаки препинания.</translation>
    </message>
    <message>
        <source>This text contains characters that a diary cannot store. Please use only Western European letters, digits and punctuation.</source>
        <translation>В этом тексте есть символы, которые дневник не может сохранить. Используйте только западноевропейские буквы, цифры и знаки препинания.</translation>
    </message>
</context>
<context>
    <name>CBackgroundUnlock</name>
    <message>
        <source>Unlocking...</source>
        <translation>Разблокировка...</translation>
    </message>
</context>
<context>
    <name>CBackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CChangePasswordDlg</name>
    <message>
        <source>Change Password</source>
        <translation>Смена пароля</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>Dayloom keeps a password-protected personal diary.</source>
        <translation>Dayloom ведёт личный дневник, защищённый паролем.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>The diary to open: NAME.dayloom (encrypted) or NAME.ilm (four files). A name that does not exist yet is offered as a new diary.</source>
        <translation>Дневник, который нужно открыть: ИМЯ.dayloom (зашифрованный) или ИМЯ.ilm (четыре файла). Ещё не существующее имя предлагается как новый дневник.</translation>
    </message>
    <message>
        <source>Only one diary can be opened at a time.</source>
        <translation>Одновременно можно открыть только один дневник.</translation>
    </message>
    <message>
        <source>The diary&apos;s name is empty.</source>
        <translation>Имя дневника пустое.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a diary.</source>
        <translation>%1 — это папка, а не дневник.</translation>
    </message>
    <message>
        <source>%1 is not a Dayloom diary: a diary&apos;s name ends in .dayloom or .ilm.</source>
        <translation>%1 — не дневник Dayloom: имя дневника оканчивается на .dayloom или .ilm.</translation>
    </message>
    <message>
        <source>%1 is not a diary file.</source>
        <translation>%1 — не файл дневника.</translation>
    </message>
    <message>
        <source>%1 cannot be read: you have no permission to read it.</source>
        <translation>Не удаётся прочитать %1: нет прав на чтение.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Подробнее: «%1 --help».</translation>
    </message>
</context>
<context>
    <name>CCurrentPassword</name>
    <message>
        <source>The password you&apos;ve specified is invalid for this diary! Please make sure you are opening the diary you wish to and that you are entering the password correctly. Remember, the password is case sEnSiTiVe!</source>
        <translation>Указанный пароль не подходит к этому дневнику! Проверьте, что открываете нужный дневник и правильно вводите пароль. Помните: в пароле важен РеГиСтР букв!</translation>
    </message>
    <message>
        <source>Checking the password...</source>
        <translation>Проверка пароля...</translation>
    </message>
</context>
<context>
    <name>CDatePicker</name>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd, dd MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>CDayOneArchive</name>
    <message>
        <source>it is not a readable zip archive (%1)</source>
        <translation>это не читаемый ZIP-архив (%1)</translation>
    </message>
    <message>
        <source>it lists more than %1 files</source>
        <translation>в нём больше %1 файлов</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>файл %1</translation>
    </message>
    <message>
        <source>its name cannot be read</source>
        <translation>его имя не читается</translation>
    </message>
    <message>
        <source>its path leaves the archive; not read</source>
        <translation>его путь выходит за пределы архива; не прочитан</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>его не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>it is encrypted</source>
        <translation>он зашифрован</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB</source>
        <translation>в распакованном виде он больше %1 МБ</translation>
    </message>
</context>
<context>
    <name>CDayOnePhotos</name>
    <message>
        <source>the photo %1 is no picture Dayloom can read</source>
        <translation>фото %1 — не изображение, которое Dayloom может прочитать</translation>
    </message>
    <message>
        <source>the photo %1 is larger than 2 MB even when made no larger than 1600 pixels</source>
        <translation>фото %1 больше 2 МБ даже после уменьшения до 1600 пикселей</translation>
    </message>
    <message>
        <source>the photo %1 cannot be read (%2)</source>
        <translation>фото %1 не удаётся прочитать (%2)</translation>
    </message>
    <message>
        <source>the photo %1 is larger than %2 MB</source>
        <translation>фото %1 больше %2 МБ</translation>
    </message>
    <message>
        <source>the photo %1 is encrypted</source>
        <translation>фото %1 зашифровано</translation>
    </message>
    <message>
        <source>the photo %1 was left out: the export&apos;s photos pass %2 MB</source>
        <translation>фото %1 пропущено: фотографии экспорта превышают %2 МБ</translation>
    </message>
    <message>
        <source>the photo %1 is not in the export</source>
        <translation>фото %1 нет в экспорте</translation>
    </message>
    <message>
        <source>the photo %1 was left out: the entry&apos;s pictures pass %2 MB</source>
        <translation>фото %1 пропущено: изображения записи превышают %2 МБ</translation>
    </message>
</context>
<context>
    <name>CDayOneReader</name>
    <message>
        <source>it has no date</source>
        <translation>у неё нет даты</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation>«%1» — не дата и время</translation>
    </message>
</context>
<context>
    <name>CDayloomApp</name>
    <message>
        <source>Open/Create Diary</source>
        <translation>Открыть/создать дневник</translation>
    </message>
</context>
<context>
    <name>CDayloomDlg</name>
    <message>
        <source>You need at least 8 entries in your diary to view the graph!</source>
        <translation>Для графика в дневнике должно быть не меньше 8 записей!</translation>
    </message>
    <message>
        <source>This shows your selected graphs</source>
        <translation>Здесь показаны выбранные графики</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (только чтение)</translation>
    </message>
    <message>
        <source>There are no more entries in this diary!</source>
        <translation>В этом дневнике больше нет записей!</translation>
    </message>
    <message>
        <source>(locked)</source>
        <translation>(заблокирован)</translation>
    </message>
</context>
<context>
    <name>CDayloomFolderDialog</name>
    <message>
        <source>Choose the \DATA folder with your Dayloom v1.00 files</source>
        <translation>Выберите папку \DATA с файлами Dayloom v1.00</translation>
    </message>
    <message>
        <source>SELECT</source>
        <translation>ВЫБРАТЬ</translation>
    </message>
</context>
<context>
    <name>CDiaryBackup</name>
    <message>
        <source> No backup was written.</source>
        <translation> Резервная копия не записана.</translation>
    </message>
    <message>
        <source>The backup could not be made: %1.</source>
        <translation>Не удалось создать резервную копию: %1.</translation>
    </message>
    <message>
        <source> Nothing was restored.</source>
        <translation> Ничего не восстановлено.</translation>
    </message>
    <message>
        <source>The backup %1 is damaged; nothing was restored.</source>
        <translation>Резервная копия %1 повреждена; ничего не восстановлено.</translation>
    </message>
    <message>
        <source>A diary named %1 already exists in %2. Replace it with the backup?</source>
        <translation>В %2 уже есть дневник с именем %1. Заменить его резервной копией?</translation>
    </message>
    <message>
        <source> The old diary could not be put back whole:</source>
        <translation> Старый дневник не удалось вернуть целиком:</translation>
    </message>
</context>
<context>
    <name>CDiaryExporter</name>
    <message>
        <source> Nothing was exported.</source>
        <translation> Ничего не экспортировано.</translation>
    </message>
    <message>
        <source>The diary could not be read.</source>
        <translation>Не удалось прочитать дневник.</translation>
    </message>
    <message>
        <source>The export was cancelled; no file was written.</source>
        <translation>Экспорт отменён; файл не записан.</translation>
    </message>
</context>
<context>
    <name>CDiaryFileCommands</name>
    <message>
        <source>Open/Create Diary</source>
        <translation>Открыть/создать дневник</translation>
    </message>
    <message>
        <source>A diary&apos;s file name needs an extension, as in travel.ilm. Please choose another name.</source>
        <translation>Имени файла дневника нужно расширение, например travel.ilm. Выберите другое имя.</translation>
    </message>
    <message>
        <source>This file name is too long for a diary. Please choose a shorter name.</source>
        <translation>Это имя файла слишком длинное для дневника. Выберите имя покороче.</translation>
    </message>
</context>
<context>
    <name>CDiaryLock</name>
    <message>
        <source>That is not this diary&apos;s password. Please try again; the password is case sensitive.</source>
        <translation>Это не пароль этого дневника. Попробуйте ещё раз; в пароле важен регистр букв.</translation>
    </message>
    <message>
        <source>The diary can no longer be read; it may have been moved or emptied.</source>
        <translation>Дневник больше не читается; возможно, его переместили или очистили.</translation>
    </message>
</context>
<context>
    <name>CDiaryOpener</name>
    <message>
        <source>This diary is already open in another Dayloom window.</source>
        <translation>Этот дневник уже открыт в другом окне Dayloom.</translation>
    </message>
    <message>
        <source>The diary was changed by another program and no longer opens with the password it was opened with. Type its password to go on.</source>
        <translation>Дневник был изменён другой программой и больше не открывается паролем, с которым его открыли. Введите его пароль, чтобы продолжить.</translation>
    </message>
</context>
<context>
    <name>CEncryptionCommands</name>
    <message>
        <source>Encrypt diary</source>
        <translation>Зашифровать дневник</translation>
    </message>
    <message>
        <source>Open a diary that has a password (one entry at least) and is not encrypted yet.</source>
        <translation>Откройте дневник, у которого есть пароль (хотя бы одна запись) и который ещё не зашифрован.</translation>
    </message>
    <message>
        <source>%1 exists already. Nothing was changed.</source>
        <translation>%1 уже существует. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The encrypted diary %1 was written and checked. Remove the four files of the unencrypted diary? Copies of them elsewhere (backups, synced copies) are not removed.</source>
        <translation>Зашифрованный дневник %1 записан и проверен. Удалить четыре файла незашифрованного дневника? Их копии в других местах (резервные, синхронизированные) не удаляются.</translation>
    </message>
    <message>
        <source>Save decrypted copy</source>
        <translation>Сохранить расшифрованную копию</translation>
    </message>
    <message>
        <source>Open an encrypted diary first.</source>
        <translation>Сначала откройте зашифрованный дневник.</translation>
    </message>
    <message>
        <source>%1 exists already. Nothing was written.</source>
        <translation>%1 уже существует. Ничего не записано.</translation>
    </message>
    <message>
        <source>The copy is not encrypted: anyone who gets its files can read the whole diary. Write it as %1 and its three sibling files?</source>
        <translation>Копия не зашифрована: любой, кто получит её файлы, прочтёт весь дневник. Записать её как %1 и три сопутствующих файла?</translation>
    </message>
    <message>
        <source>The decrypted copy %1 was written.</source>
        <translation>Расшифрованная копия %1 записана.</translation>
    </message>
    <message>
        <source>Password successfully changed!</source>
        <translation>Пароль успешно изменён!</translation>
    </message>
    <message>
        <source>An error occured! Your password was not changed successfully!</source>
        <translation>Произошла ошибка! Пароль не изменён!</translation>
    </message>
    <message>
        <source>The four files cannot hold every character of these reminders and tasks; each one they lack becomes &quot;?&quot;: %1. Write the copy all the same?</source>
        <translation>Четыре файла не могут хранить все символы этих напоминаний и задач; каждый недостающий станет «?»: %1. Всё равно записать копию?</translation>
    </message>
</context>
<context>
    <name>CEntryBrowser</name>
    <message>
        <source>Entries</source>
        <translation>Записи</translation>
    </message>
    <message>
        <source>Click on any entry here to make it current</source>
        <translation>Щёлкните запись, чтобы сделать её текущей</translation>
    </message>
</context>
<context>
    <name>CEntryCommands</name>
    <message>
        <source>You must have an entry selected in order to edit it!</source>
        <translation>Чтобы изменить запись, её нужно выбрать!</translation>
    </message>
    <message>
        <source>Edit Entry</source>
        <translation>Изменить запись</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Удалить запись</translation>
    </message>
    <message>
        <source>You must have an entry selected in order to delete it!</source>
        <translation>Чтобы удалить запись, её нужно выбрать!</translation>
    </message>
    <message>
        <source>Delete current entry (%1)?</source>
        <translation>Удалить текущую запись (%1)?</translation>
    </message>
    <message>
        <source>%a, %d %b %Y at %H:%M:%S</source>
        <translation>%a, %d %b %Y в %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>CEntryListModel</name>
    <message>
        <source>%d - %b	 - %Y, %a,	 at %H:%M:%S</source>
        <translation>%d - %b	 - %Y, %a,	 в %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>CEntryPanel</name>
    <message>
        <source>Welcome to %1 - your personal diary
= e-mail: mailto:%2
= WWW: %3
Enjoy!</source>
        <translation>Добро пожаловать в %1 — ваш личный дневник
= эл. почта: mailto:%2
= WWW: %3
Приятной работы!</translation>
    </message>
    <message>
        <source>%1 - this diary has no entries now
= e-mail: %2
= %3
Enjoy!</source>
        <translation>%1 — в этом дневнике пока нет записей
= эл. почта: %2
= %3
Приятной работы!</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Mood:</source>
        <translation>Настроение:</translation>
    </message>
    <message>
        <source>Fatigue:</source>
        <translation>Усталость:</translation>
    </message>
    <message>
        <source>Shape:</source>
        <translation>Самочувствие:</translation>
    </message>
    <message>
        <source>Dream:</source>
        <translation>Сон:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Вес:</translation>
    </message>
    <message>
        <source>Mood face</source>
        <translation>Лицо настроения</translation>
    </message>
    <message>
        <source>Copulation</source>
        <translation>Близость</translation>
    </message>
    <message>
        <source>Menstruus</source>
        <translation>Менструация</translation>
    </message>
</context>
<context>
    <name>CEntryPrinter</name>
    <message>
        <source>Entry dated: %d - %B - %Y, %A, at %H:%M:%S</source>
        <translation>Запись от: %d %B %Y, %A, в %H:%M:%S</translation>
    </message>
    <message>
        <source>Entry mood: %1, fatigue: %2, shape: %3</source>
        <translation>Настроение: %1, усталость: %2, самочувствие: %3</translation>
    </message>
    <message>
        <source>dream: %1, copulation: %2, menstruus: %3, weight: %4, temperature: %5</source>
        <translation>сон: %1, близость: %2, менструация: %3, вес: %4, температура: %5</translation>
    </message>
    <message>
        <source>--- conventions used:</source>
        <translation>--- обозначения:</translation>
    </message>
    <message>
        <source>MOODS: -3=%1, -2=%2, -1=%3, 0=%4, +1=%5, +2=%6, +3=%7</source>
        <translation>НАСТРОЕНИЕ: -3=%1, -2=%2, -1=%3, 0=%4, +1=%5, +2=%6, +3=%7</translation>
    </message>
    <message>
        <source>FATIGUES: -2=%1, -1=%2, 0=%3; SHAPES: -3=%4, -2=%5, -1=%6, 0=%7</source>
        <translation>УСТАЛОСТЬ: -2=%1, -1=%2, 0=%3; САМОЧУВСТВИЕ: -3=%4, -2=%5, -1=%6, 0=%7</translation>
    </message>
    <message>
        <source>DREAMS: -2=%1, -1=%2, 0=%3, +1=%4, +2=%5</source>
        <translation>СНЫ: -2=%1, -1=%2, 0=%3, +1=%4, +2=%5</translation>
    </message>
    <message>
        <source>The entry could not be read from the diary, so it was not printed.</source>
        <translation>Не удалось прочитать запись из дневника, поэтому она не напечатана.</translation>
    </message>
    <message>
        <source>Could not start printing!</source>
        <translation>Не удалось начать печать!</translation>
    </message>
    <message>
        <source>Could not acquire proper printer settings!</source>
        <translation>Не удалось получить настройки принтера!</translation>
    </message>
    <message>
        <source>Error starting new page!</source>
        <translation>Ошибка при начале новой страницы!</translation>
    </message>
    <message>
        <source>Error in dcPrinter.EndPage()</source>
        <translation>Ошибка в dcPrinter.EndPage()</translation>
    </message>
    <message>
        <source>Error during printing!</source>
        <translation>Ошибка при печати!</translation>
    </message>
    <message>
        <source>The PDF file is not encrypted: anyone who can read it can read these entries. Print to it anyway?</source>
        <translation>Файл PDF не зашифрован: любой, кто сможет его открыть, прочтёт эти записи. Всё равно печатать в него?</translation>
    </message>
    <message>
        <source>You must have an entry selected in order to print it!</source>
        <translation>Чтобы напечатать запись, её нужно выбрать!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Are you sure you wish to print all entries?</source>
        <translation>Действительно напечатать все записи?</translation>
    </message>
    <message>
        <source>Print all entries</source>
        <translation>Напечатать все записи</translation>
    </message>
</context>
<context>
    <name>CEntryRichEdit</name>
    <message>
        <source>Insert picture</source>
        <translation>Вставить рисунок</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;All files (*)</source>
        <translation>Рисунки (*.png *.jpg *.jpeg *.gif *.bmp *.webp);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be opened.</source>
        <translation>Не удалось открыть рисунок «%1».</translation>
    </message>
    <message>
        <source>This is no picture Dayloom can read.</source>
        <translation>Dayloom не может прочитать этот рисунок.</translation>
    </message>
    <message>
        <source>The picture is larger than 2 MB even when made no larger than 1600 pixels, so it was not inserted.</source>
        <translation>Рисунок больше 2 МБ даже при размере не более 1600 пикселей, поэтому он не вставлен.</translation>
    </message>
    <message>
        <source>A picture in the pasted text could not be read and was left out.</source>
        <translation>Рисунок во вставленном тексте не удалось прочитать, он пропущен.</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures in the pasted text could not be read and were left out.</source>
        <translation>
            <numerusform>%n рисунок во вставленном тексте не удалось прочитать, он пропущен.</numerusform>
            <numerusform>%n рисунка во вставленном тексте не удалось прочитать, они пропущены.</numerusform>
            <numerusform>%n рисунков во вставленном тексте не удалось прочитать, они пропущены.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CExportCommands</name>
    <message>
        <source>Export Diary</source>
        <translation>Экспорт дневника</translation>
    </message>
    <message>
        <source>The exported file is not encrypted: anyone who can read it can read these entries. Export anyway?</source>
        <translation>Экспортированный файл не зашифрован: любой, кто сможет его открыть, прочтёт эти записи. Всё равно экспортировать?</translation>
    </message>
    <message>
        <source>The diary has no entries to export.</source>
        <translation>В дневнике нет записей для экспорта.</translation>
    </message>
    <message>
        <source>Export diary as</source>
        <translation>Экспортировать дневник как</translation>
    </message>
    <message>
        <source>Markdown, web page, plain text or CSV (*.md *.html *.txt *.csv)</source>
        <translation>Markdown, веб-страница, простой текст или CSV (*.md *.html *.txt *.csv)</translation>
    </message>
    <message>
        <source>The file&apos;s extension chooses what is written: .md for Markdown, .html for a web page, .txt for plain text or .csv for a spreadsheet.</source>
        <translation>Расширение файла определяет, что записывается: .md — Markdown, .html — веб-страница, .txt — простой текст, .csv — таблица.</translation>
    </message>
    <message>
        <source>Exporting the diary...</source>
        <translation>Экспорт дневника...</translation>
    </message>
    <message>
        <source>1 entry was exported to %1.</source>
        <translation>1 запись экспортирована в %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were exported to %1.</source>
        <translation>
            <numerusform>%n запись экспортирована в %1.</numerusform>
            <numerusform>%n записи экспортированы в %1.</numerusform>
            <numerusform>%n записей экспортировано в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back Up Diary</source>
        <translation>Резервная копия дневника</translation>
    </message>
    <message>
        <source>Back up diary as</source>
        <translation>Сохранить резервную копию как</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>ZIP-архивы (*.zip)</translation>
    </message>
    <message>
        <source>The diary was backed up to %1.</source>
        <translation>Резервная копия дневника сохранена в %1.</translation>
    </message>
    <message>
        <source>Restore from backup</source>
        <translation>Восстановить из резервной копии</translation>
    </message>
    <message>
        <source>Restore the diary into folder</source>
        <translation>Восстановить дневник в папку</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
</context>
<context>
    <name>CExportHost</name>
    <message>
        <source>Please open a diary first.</source>
        <translation>Сначала откройте дневник.</translation>
    </message>
    <message>
        <source>Export Diary</source>
        <translation>Экспорт дневника</translation>
    </message>
    <message>
        <source>Back Up Diary</source>
        <translation>Резервная копия дневника</translation>
    </message>
</context>
<context>
    <name>CExportOptionsDlg</name>
    <message>
        <source>Export Diary</source>
        <translation>Экспорт дневника</translation>
    </message>
    <message>
        <source>&amp;All entries</source>
        <translation>&amp;Все записи</translation>
    </message>
    <message>
        <source>Entries &amp;dated</source>
        <translation>Записи за &amp;период</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;С:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>П&amp;о:</translation>
    </message>
    <message>
        <source>The range ends before it begins.</source>
        <translation>Период заканчивается раньше, чем начинается.</translation>
    </message>
</context>
<context>
    <name>CFiguresText</name>
    <message>
        <source>1 day</source>
        <translation>1 день</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Entries: %1</source>
        <translation>Записей: %1</translation>
    </message>
    <message>
        <source>Days with an entry: %1 of %2</source>
        <translation>Дней с записью: %1 из %2</translation>
    </message>
    <message>
        <source>Longest streak: </source>
        <translation>Самая длинная серия: </translation>
    </message>
    <message>
        <source>Current streak: </source>
        <translation>Текущая серия: </translation>
    </message>
    <message>
        <source>Average words per entry: counting...</source>
        <translation>Слов в записи в среднем: подсчёт...</translation>
    </message>
    <message>
        <source>Average words per entry: %1</source>
        <translation>Слов в записи в среднем: %1</translation>
    </message>
    <message>
        <source>Most used tags: </source>
        <translation>Частые метки: </translation>
    </message>
    <message>
        <source>counting...</source>
        <translation>подсчёт...</translation>
    </message>
</context>
<context>
    <name>CFileDialogs</name>
    <message>
        <source>Encrypted diaries (*.dayloom)</source>
        <translation>Зашифрованные дневники (*.dayloom)</translation>
    </message>
    <message>
        <source>Dayloom v2.xx files, scrambled only (*.ilm)</source>
        <translation>Файлы Dayloom v2.xx, только перемешанные (*.ilm)</translation>
    </message>
    <message>
        <source>Open existing or create a new diary</source>
        <translation>Открыть существующий или создать новый дневник</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Сохранить рисунок</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Рисунки PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>CForeignExport</name>
    <message>
        <source>jrnl JSON</source>
        <translation>JSON jrnl</translation>
    </message>
    <message>
        <source>Day One JSON</source>
        <translation>JSON Day One</translation>
    </message>
    <message>
        <source>Markdown and text files</source>
        <translation>Файлы Markdown и текстовые</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>это не JSON (%1)</translation>
    </message>
    <message>
        <source>it is JSON, but neither a jrnl nor a Day One export</source>
        <translation>это JSON, но не экспорт jrnl или Day One</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>его не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>он больше %1 МБ</translation>
    </message>
    <message>
        <source>it holds no Day One journal (.json)</source>
        <translation>в нём нет журнала Day One (.json)</translation>
    </message>
</context>
<context>
    <name>CForeignImportHost</name>
    <message>
        <source>New encrypted diary for the imported entries</source>
        <translation>Новый зашифрованный дневник для импортированных записей</translation>
    </message>
    <message>
        <source>Encrypted diaries (*.dayloom)</source>
        <translation>Зашифрованные дневники (*.dayloom)</translation>
    </message>
</context>
<context>
    <name>CForeignImporter</name>
    <message>
        <source>

Could not be read:
</source>
        <translation>

Не удалось прочитать:
</translation>
    </message>
    <message>
        <source>Import from another program</source>
        <translation>Импорт из другой программы</translation>
    </message>
    <message>
        <source>Diary exports (*.json *.zip *.md *.markdown *.txt);;All files (*)</source>
        <translation>Экспорт дневников (*.json *.zip *.md *.markdown *.txt);;Все файлы (*)</translation>
    </message>
    <message numerus="yes">
        <source>Import all %n Markdown and text files of this folder?</source>
        <translation>
            <numerusform>Импортировать %n файл Markdown и текстовый из этой папки?</numerusform>
            <numerusform>Импортировать все %n файла Markdown и текстовые из этой папки?</numerusform>
            <numerusform>Импортировать все %n файлов Markdown и текстовых из этой папки?</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing could be imported from %1.</source>
        <translation>Из %1 ничего не удалось импортировать.</translation>
    </message>
    <message>
        <source>Nothing to import: the diary already holds all %1 entries of %2.</source>
        <translation>Импортировать нечего: в дневнике уже есть все записи (%1) из %2.</translation>
    </message>
</context>
<context>
    <name>CGraphChoiceBox</name>
    <message>
        <source>Mood</source>
        <translation>Настроение</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Усталость</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Самочувствие</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>Menstruus</source>
        <translation>Менструация</translation>
    </message>
    <message>
        <source>Copulation</source>
        <translation>Близость</translation>
    </message>
    <message>
        <source>Choose graphs:</source>
        <translation>Графики:</translation>
    </message>
</context>
<context>
    <name>CGraphCtrl</name>
    <message>
        <source>YOU NEED AT LEAST 8 ENTRIES</source>
        <translation>НУЖНО НЕ МЕНЬШЕ 8 ЗАПИСЕЙ,</translation>
    </message>
    <message>
        <source>TO VIEW THE GRAPH!</source>
        <translation>ЧТОБЫ УВИДЕТЬ ГРАФИК!</translation>
    </message>
    <message>
        <source>This shows your selected graphs</source>
        <translation>Здесь показаны выбранные графики</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
</context>
<context>
    <name>CGraphSummary</name>
    <message>
        <source>an unknown day</source>
        <translation>неизвестный день</translation>
    </message>
    <message>
        <source>No entries to show</source>
        <translation>Нет записей для показа</translation>
    </message>
    <message>
        <source>1 entry on %1</source>
        <translation>1 запись за %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries from %1 to %2</source>
        <translation>
            <numerusform>%n запись с %1 по %2</numerusform>
            <numerusform>%n записи с %1 по %2</numerusform>
            <numerusform>%n записей с %1 по %2</numerusform>
        </translation>
    </message>
    <message>
        <source>; mood %1</source>
        <translation>; настроение %1</translation>
    </message>
    <message>
        <source>; mood from %1 to %2</source>
        <translation>; настроение от %1 до %2</translation>
    </message>
    <message>
        <source>. The graph is drawn from 8 entries on</source>
        <translation>. График строится начиная с 8 записей</translation>
    </message>
</context>
<context>
    <name>CHelp</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Не удалось открыть справку.</translation>
    </message>
</context>
<context>
    <name>CImportPlan</name>
    <message>
        <source>it has no text</source>
        <translation>в ней нет текста</translation>
    </message>
</context>
<context>
    <name>CImportPreviewDlg</name>
    <message>
        <source>1 entry</source>
        <translation>1 запись</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>Добавлено: %1</translation>
    </message>
    <message>
        <source>%1 will be added</source>
        <translation>Будет добавлено: %1</translation>
    </message>
    <message>
        <source>, %1 skipped (already in the diary)</source>
        <translation>, пропущено: %1 (уже в дневнике)</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... и ещё %n.</numerusform>
            <numerusform>... и ещё %n.</numerusform>
            <numerusform>... и ещё %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import from another program</source>
        <translation>Импорт из другой программы</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>Не удалось прочитать:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
</context>
<context>
    <name>CJrnlReader</name>
    <message>
        <source>it has no date</source>
        <translation>у неё нет даты</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time</source>
        <translation>«%1» — не дата и время</translation>
    </message>
</context>
<context>
    <name>CJsonFields</name>
    <message>
        <source>entry %1</source>
        <translation>запись %1</translation>
    </message>
    <message>
        <source>it is not a record</source>
        <translation>это не запись</translation>
    </message>
    <message>
        <source>its text is longer than %1 characters</source>
        <translation>её текст длиннее %1 символов</translation>
    </message>
</context>
<context>
    <name>CLockedView</name>
    <message>
        <source>This diary is locked. Type its password to go on.</source>
        <translation>Этот дневник заблокирован. Введите его пароль, чтобы продолжить.</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Разблокировать</translation>
    </message>
</context>
<context>
    <name>CMainMenu</name>
    <message>
        <source>%1 is no longer there; it was taken off the list of recent diaries.</source>
        <translation>%1 больше нет; он удалён из списка недавних дневников.</translation>
    </message>
    <message>
        <source>Recent Diaries</source>
        <translation>Недавние дневники</translation>
    </message>
    <message>
        <source>&amp;Clear list</source>
        <translation>&amp;Очистить список</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open/Create Diary...</source>
        <translation>&amp;Открыть/создать дневник...</translation>
    </message>
    <message>
        <source>Recen&amp;t diaries</source>
        <translation>&amp;Недавние дневники</translation>
    </message>
    <message>
        <source>Print &amp;all entries</source>
        <translation>Напечатать &amp;все записи</translation>
    </message>
    <message>
        <source>&amp;Export diary...</source>
        <translation>&amp;Экспорт дневника...</translation>
    </message>
    <message>
        <source>&amp;Back up diary...</source>
        <translation>Создать &amp;резервную копию...</translation>
    </message>
    <message>
        <source>&amp;Restore from backup...</source>
        <translation>Восс&amp;тановить из копии...</translation>
    </message>
    <message>
        <source>&amp;Change password...</source>
        <translation>Сменить &amp;пароль...</translation>
    </message>
    <message>
        <source>E&amp;ncrypt diary...</source>
        <translation>&amp;Зашифровать дневник...</translation>
    </message>
    <message>
        <source>Save &amp;decrypted copy...</source>
        <translation>Сохранить рас&amp;шифрованную копию...</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>Пара&amp;метры...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Entry</source>
        <translation>&amp;Запись</translation>
    </message>
    <message>
        <source>&amp;New entry...	F2</source>
        <translation>&amp;Новая запись...	F2</translation>
    </message>
    <message>
        <source>&amp;Edit entry...	Ctrl+E</source>
        <translation>&amp;Изменить запись...	Ctrl+E</translation>
    </message>
    <message>
        <source>Go to &amp;first</source>
        <translation>К &amp;первой</translation>
    </message>
    <message>
        <source>Go to &amp;previous</source>
        <translation>К пре&amp;дыдущей</translation>
    </message>
    <message>
        <source>Go to ne&amp;xt</source>
        <translation>К с&amp;ледующей</translation>
    </message>
    <message>
        <source>Go to &amp;last</source>
        <translation>К п&amp;оследней</translation>
    </message>
    <message>
        <source>&amp;Search...	Ctrl+F</source>
        <translation>Пои&amp;ск...	Ctrl+F</translation>
    </message>
    <message>
        <source>Print &amp;current entry</source>
        <translation>Напечатать &amp;текущую запись</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>&amp;Reminders...	F3</source>
        <translation>&amp;Напоминания...	F3</translation>
    </message>
    <message>
        <source>&amp;Planner...	F4</source>
        <translation>&amp;Планировщик...	F4</translation>
    </message>
    <message>
        <source>&amp;Statistics...	F5</source>
        <translation>&amp;Статистика...	F5</translation>
    </message>
    <message>
        <source>&amp;Import from another program...</source>
        <translation>&amp;Импорт из другой программы...</translation>
    </message>
    <message>
        <source>Import from Dayloom v1.00</source>
        <translation>Импорт из Dayloom v1.00</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Contents	F1</source>
        <translation>Содержание	F1</translation>
    </message>
    <message>
        <source>Help on main window</source>
        <translation>Справка по главному окну</translation>
    </message>
    <message>
        <source>Tip of the Day...</source>
        <translation>Совет дня...</translation>
    </message>
    <message>
        <source>&amp;About Dayloom...</source>
        <translation>&amp;О программе Dayloom...</translation>
    </message>
    <message>
        <source>Jump to the first entry</source>
        <translation>Перейти к первой записи</translation>
    </message>
    <message>
        <source>View the previous entry</source>
        <translation>Показать предыдущую запись</translation>
    </message>
    <message>
        <source>View the next entry</source>
        <translation>Показать следующую запись</translation>
    </message>
    <message>
        <source>Jump to the last entry</source>
        <translation>Перейти к последней записи</translation>
    </message>
    <message>
        <source>Delete the current entry</source>
        <translation>Удалить текущую запись</translation>
    </message>
    <message>
        <source>Check this box to go into search mode</source>
        <translation>Отметьте, чтобы перейти в режим поиска</translation>
    </message>
    <message>
        <source>Create a new entry (keyboard shortcut - F2)</source>
        <translation>Создать новую запись (клавиша F2)</translation>
    </message>
    <message>
        <source>Add or delete reminders (keyboard shortcut - F3)</source>
        <translation>Добавить или удалить напоминания (клавиша F3)</translation>
    </message>
    <message>
        <source>Add, delete and manage plans (keyboard shortcut - F4)</source>
        <translation>Добавлять, удалять и вести планы (клавиша F4)</translation>
    </message>
    <message>
        <source>Print the current entry</source>
        <translation>Напечатать текущую запись</translation>
    </message>
    <message>
        <source>Print all entries</source>
        <translation>Напечатать все записи</translation>
    </message>
    <message>
        <source>Change Dayloom options</source>
        <translation>Изменить параметры Dayloom</translation>
    </message>
    <message>
        <source>Visit the WWW site @ </source>
        <translation>Посетить сайт @ </translation>
    </message>
    <message>
        <source>Send an e-mail to the author</source>
        <translation>Написать письмо автору</translation>
    </message>
    <message>
        <source>Exit Dayloom</source>
        <translation>Выйти из Dayloom</translation>
    </message>
    <message>
        <source>&amp;Lock diary</source>
        <translation>За&amp;блокировать дневник</translation>
    </message>
    <message>
        <source>&amp;Merge another diary...</source>
        <translation>&amp;Объединить с другим дневником...</translation>
    </message>
</context>
<context>
    <name>CMergeCommands</name>
    <message>
        <source>Merge another diary</source>
        <translation>Объединить с другим дневником</translation>
    </message>
    <message>
        <source>Diaries (*.dayloom *.ilm);;All files (*)</source>
        <translation>Дневники (*.dayloom *.ilm);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Another copy of this diary was found: %1. Merge its entries into this diary?</source>
        <translation>Найдена другая копия этого дневника: %1. Перенести её записи в этот дневник?</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>%1 is damaged: its entries cannot be read. Nothing was merged.</source>
        <translation>%1 повреждён: его записи не читаются. Ничего не перенесено.</translation>
    </message>
    <message>
        <source>This diary already holds everything %1 holds: nothing was added.</source>
        <translation>В этом дневнике уже есть всё, что есть в %1: ничего не добавлено.</translation>
    </message>
    <message>
        <source>%1 is not a diary.</source>
        <translation>%1 — не дневник.</translation>
    </message>
    <message>
        <source>The entries of %1 are now in this diary. Remove the copy?</source>
        <translation>Записи из %1 теперь в этом дневнике. Удалить копию?</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>Не удалось удалить %1.</translation>
    </message>
</context>
<context>
    <name>CMergePreviewDlg</name>
    <message>
        <source>Merge another diary</source>
        <translation>Объединить с другим дневником</translation>
    </message>
    <message>
        <source>Merging %1 into this diary:</source>
        <translation>Перенос %1 в этот дневник:</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Объединить</translation>
    </message>
</context>
<context>
    <name>CMergeTexts</name>
    <message>
        <source>1 entry</source>
        <translation>1 запись</translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>1 reminder</source>
        <translation>1 напоминание</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <translation>
            <numerusform>%n напоминание</numerusform>
            <numerusform>%n напоминания</numerusform>
            <numerusform>%n напоминаний</numerusform>
        </translation>
    </message>
    <message>
        <source>1 task</source>
        <translation>1 задача</translation>
    </message>
    <message numerus="yes">
        <source>%n tasks</source>
        <translation>
            <numerusform>%n задача</numerusform>
            <numerusform>%n задачи</numerusform>
            <numerusform>%n задач</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>Nothing will be added: this diary already holds everything the other copy holds.</source>
        <translation>Ничего не будет добавлено: в этом дневнике уже есть всё, что есть в другой копии.</translation>
    </message>
    <message>
        <source>%1 will be added.</source>
        <translation>Будут добавлены: %1.</translation>
    </message>
    <message>
        <source>1 entry will be replaced by a newer version.</source>
        <translation>1 запись будет заменена более новой версией.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be replaced by a newer version.</source>
        <translation>
            <numerusform>%n запись будет заменена более новой версией.</numerusform>
            <numerusform>%n записи будут заменены более новыми версиями.</numerusform>
            <numerusform>%n записей будут заменены более новыми версиями.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry will be deleted.</source>
        <translation>1 запись будет удалена.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries will be deleted.</source>
        <translation>
            <numerusform>%n запись будет удалена.</numerusform>
            <numerusform>%n записи будут удалены.</numerusform>
            <numerusform>%n записей будут удалены.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry was edited differently in both copies: both versions of it will be kept.</source>
        <translation>1 запись изменена в обеих копиях по-разному: обе её версии будут сохранены.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were edited differently in both copies: both versions of each will be kept.</source>
        <translation>
            <numerusform>%n запись изменена в обеих копиях по-разному: обе версии каждой будут сохранены.</numerusform>
            <numerusform>%n записи изменены в обеих копиях по-разному: обе версии каждой будут сохранены.</numerusform>
            <numerusform>%n записей изменены в обеих копиях по-разному: обе версии каждой будут сохранены.</numerusform>
        </translation>
    </message>
    <message>
        <source>These copies keep no record of deletions: an entry deleted in only one of them comes back.</source>
        <translation>Эти копии не помнят удалений: запись, удалённая только в одной из них, вернётся.</translation>
    </message>
    <message>
        <source>%1 was added.</source>
        <translation>Добавлено: %1.</translation>
    </message>
    <message>
        <source>%1 were added.</source>
        <translation>Добавлено: %1.</translation>
    </message>
    <message>
        <source>1 entry was replaced by a newer version.</source>
        <translation>1 запись заменена более новой версией.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were replaced by a newer version.</source>
        <translation>
            <numerusform>%n запись заменена более новой версией.</numerusform>
            <numerusform>%n записи заменены более новыми версиями.</numerusform>
            <numerusform>%n записей заменены более новыми версиями.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 entry was deleted.</source>
        <translation>1 запись удалена.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries were deleted.</source>
        <translation>
            <numerusform>%n запись удалена.</numerusform>
            <numerusform>%n записи удалены.</numerusform>
            <numerusform>%n записей удалены.</numerusform>
        </translation>
    </message>
    <message>
        <source>The entry of %1 was edited differently in both copies: both versions are kept (%1 and %2).</source>
        <translation>Запись от %1 изменена в обеих копиях по-разному: сохранены обе версии (%1 и %2).</translation>
    </message>
</context>
<context>
    <name>CMonthlyChart</name>
    <message>
        <source>Mood</source>
        <translation>Настроение</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Усталость</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Самочувствие</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Сон</translation>
    </message>
</context>
<context>
    <name>CNewEntryDlg</name>
    <message>
        <source>Edit Entry</source>
        <translation>Изменить запись</translation>
    </message>
    <message>
        <source>New Entry</source>
        <translation>Новая запись</translation>
    </message>
    <message>
        <source>This diary entry cannot be read, so it cannot be edited.</source>
        <translation>Эту запись дневника не удаётся прочитать, поэтому её нельзя изменить.</translation>
    </message>
    <message>
        <source>An entry cannot keep control characters; 1 of them (%1) was not taken.</source>
        <translation>Запись не может содержать управляющие символы; 1 из них (%1) не принят.</translation>
    </message>
    <message numerus="yes">
        <source>An entry cannot keep control characters; %n of them (%1) were not taken.</source>
        <translation>
            <numerusform>Запись не может содержать управляющие символы; %n из них (%1) не принят.</numerusform>
            <numerusform>Запись не может содержать управляющие символы; %n из них (%1) не приняты.</numerusform>
            <numerusform>Запись не может содержать управляющие символы; %n из них (%1) не приняты.</numerusform>
        </translation>
    </message>
    <message>
        <source>You can select any date for your entry</source>
        <translation>Для записи можно выбрать любую дату</translation>
    </message>
    <message>
        <source>You can change the time of day of your entry</source>
        <translation>Можно изменить время записи</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Полужирный</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Insert picture...</source>
        <translation>Вставить рисунок...</translation>
    </message>
    <message>
        <source>Inserts a picture at the cursor. CTRL+SHIFT+P</source>
        <translation>Вставляет рисунок в место курсора. CTRL+SHIFT+P</translation>
    </message>
    <message>
        <source>Toggles Bold. CTRL+B</source>
        <translation>Включает полужирный. CTRL+B</translation>
    </message>
    <message>
        <source>Toggles Italic. CTRL+I</source>
        <translation>Включает курсив. CTRL+I</translation>
    </message>
    <message>
        <source>Toggles Underlining. CTRL+U</source>
        <translation>Включает подчёркивание. CTRL+U</translation>
    </message>
    <message>
        <source>Entry text</source>
        <translation>Текст записи</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Настроение</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Усталость</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Самочувствие</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>Click left and right arrows to set your last night&apos;s dreams</source>
        <translation>Стрелками влево и вправо укажите сны прошлой ночи</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Вес</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Menstruus</source>
        <translation>Менструация</translation>
    </message>
    <message>
        <source>Copulation</source>
        <translation>Близость</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>СОХРАНИТЬ</translation>
    </message>
    <message>
        <source>Save this entry</source>
        <translation>Сохранить эту запись</translation>
    </message>
    <message>
        <source>DISCARD</source>
        <translation>ОТМЕНИТЬ</translation>
    </message>
    <message>
        <source>Discard this entry</source>
        <translation>Отказаться от этой записи</translation>
    </message>
    <message>
        <source>HELP!</source>
        <translation>СПРАВКА</translation>
    </message>
    <message>
        <source>Click to read extensive help</source>
        <translation>Щёлкните, чтобы прочитать подробную справку</translation>
    </message>
    <message>
        <source> Weight:</source>
        <translation> Вес:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Введите число.</translation>
    </message>
    <message>
        <source>Save this diary entry?</source>
        <translation>Сохранить эту запись дневника?</translation>
    </message>
    <message>
        <source>Please choose a date between %1 and %2.</source>
        <translation>Выберите дату между %1 и %2.</translation>
    </message>
    <message>
        <source>Discard the changes to this diary entry?</source>
        <translation>Отказаться от изменений этой записи дневника?</translation>
    </message>
    <message>
        <source>Discard this diary entry?</source>
        <translation>Отказаться от этой записи дневника?</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <translation>dddd, dd MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>CNewEntryDlgDraft</name>
    <message>
        <source>The unsaved draft was sealed under an earlier password of this diary. Type that password to restore it?</source>
        <translation>Несохранённый черновик запечатан прежним паролем этого дневника. Ввести этот пароль, чтобы восстановить черновик?</translation>
    </message>
    <message>
        <source>&amp;Type the password</source>
        <translation>&amp;Ввести пароль</translation>
    </message>
    <message>
        <source>&amp;Set aside</source>
        <translation>&amp;Отложить</translation>
    </message>
    <message>
        <source>The earlier password of the draft</source>
        <translation>Прежний пароль черновика</translation>
    </message>
    <message>
        <source>That password does not open the draft. Try another?</source>
        <translation>Этот пароль не открывает черновик. Попробовать другой?</translation>
    </message>
    <message>
        <source>The unsaved draft could not be read; it was kept as %1.</source>
        <translation>Несохранённый черновик не удалось прочитать; он сохранён как %1.</translation>
    </message>
    <message>
        <source>the entry of %1</source>
        <translation>записи от %1</translation>
    </message>
    <message>
        <source>a new entry</source>
        <translation>новой записи</translation>
    </message>
    <message>
        <source>A draft of %1 from %2 was not saved. Restore it?</source>
        <translation>Черновик %1 от %2 не был сохранён. Восстановить его?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Discard draft</source>
        <translation>Удалить черновик</translation>
    </message>
</context>
<context>
    <name>CNewPasswordFields</name>
    <message>
        <source>New password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Подтверждение пароля</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Надёжность пароля</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Надёжность:</translation>
    </message>
    <message>
        <source>You must enter at least %1 characters!</source>
        <translation>Нужно ввести не меньше %1 символов!</translation>
    </message>
    <message>
        <source>A password can have at most %1 characters; this one has %2.</source>
        <translation>В пароле может быть не больше %1 символов; в этом — %2.</translation>
    </message>
    <message>
        <source>The passwords do not match!</source>
        <translation>Пароли не совпадают!</translation>
    </message>
    <message>
        <source>This password is easy to guess. Use it anyway?</source>
        <translation>Этот пароль легко угадать. Всё равно использовать?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>New password:</source>
        <translation>Новый пароль:</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Повторите пароль:</translation>
    </message>
    <message>
        <source>Current password</source>
        <translation>Текущий пароль</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Текущий пароль:</translation>
    </message>
</context>
<context>
    <name>CNewPasswordPrompt</name>
    <message>
        <source>You are creating a new diary and you must specify a password for it. The password is case SeNsItIvE!</source>
        <translation>Вы создаёте новый дневник, и для него нужно задать пароль. В пароле важен РеГиСтР букв!</translation>
    </message>
</context>
<context>
    <name>CNoticeBar</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>COnThisDayView</name>
    <message>
        <source>What you wrote on this day in earlier years</source>
        <translation>Что вы писали в этот день в прошлые годы</translation>
    </message>
</context>
<context>
    <name>COpenDiary</name>
    <message>
        <source>This diary is read-only: it cannot be changed.</source>
        <translation>Этот дневник только для чтения: его нельзя изменить.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Mood</source>
        <translation>Настроение</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Усталость</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Самочувствие</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>Days before an event it is marked as &apos;Soon&apos;</source>
        <translation>За сколько дней до события оно отмечается как «Скоро»</translation>
    </message>
    <message>
        <source>Mark as &apos;Soon&apos;</source>
        <translation>Отмечать «Скоро»</translation>
    </message>
    <message>
        <source>day(s) before the event</source>
        <translation>дн. до события</translation>
    </message>
    <message>
        <source>Open last diary at startup</source>
        <translation>Открывать последний дневник при запуске</translation>
    </message>
    <message>
        <source>Show &quot;on this day&quot; under the reminders</source>
        <translation>Показывать «в этот день» под напоминаниями</translation>
    </message>
    <message>
        <source>Show today&apos;s reminders as desktop notifications</source>
        <translation>Показывать сегодняшние напоминания как уведомления</translation>
    </message>
    <message>
        <source>An encrypted diary&apos;s notification gives only the number of reminders</source>
        <translation>Уведомление зашифрованного дневника сообщает только число напоминаний</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Орфография</translation>
    </message>
    <message>
        <source>Check spelling while typing</source>
        <translation>Проверять орфографию при вводе</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed.</source>
        <translation>Орфографический словарь не установлен.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>&amp;Lock the diary after</source>
        <translation>&amp;Блокировать дневник через</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>Minutes without use before the diary locks</source>
        <translation>Минут без работы до блокировки дневника</translation>
    </message>
    <message>
        <source>0 never locks the diary by itself</source>
        <translation>При 0 дневник никогда не блокируется сам</translation>
    </message>
    <message>
        <source>minutes without use</source>
        <translation>мин. без работы</translation>
    </message>
</context>
<context>
    <name>CPasswordStrength</name>
    <message>
        <source>Very weak</source>
        <translation>Очень слабый</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>Слабый</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Надёжный</translation>
    </message>
    <message>
        <source>Very strong</source>
        <translation>Очень надёжный</translation>
    </message>
</context>
<context>
    <name>CPlannerDlg</name>
    <message>
        <source>Planner</source>
        <translation>Планировщик</translation>
    </message>
    <message>
        <source>Click on a planner entry to select it</source>
        <translation>Щёлкните план, чтобы выбрать его</translation>
    </message>
    <message>
        <source>Add or update planner data:</source>
        <translation>Добавить или изменить план:</translation>
    </message>
    <message>
        <source>Enter planner entry description</source>
        <translation>Введите описание плана</translation>
    </message>
    <message>
        <source>Add another planner entry</source>
        <translation>Добавить ещё один план</translation>
    </message>
    <message>
        <source>Delete currently selected planner entry</source>
        <translation>Удалить выбранный план</translation>
    </message>
    <message>
        <source>Close the planners window</source>
        <translation>Закрыть окно планировщика</translation>
    </message>
    <message>
        <source>Choose the date you plan to complete your planner entry</source>
        <translation>Выберите дату, к которой вы собираетесь выполнить план</translation>
    </message>
    <message>
        <source>Choose the date you actually completed your planner entry</source>
        <translation>Выберите дату, когда план был выполнен</translation>
    </message>
    <message>
        <source>Planned date: </source>
        <translation>Срок: </translation>
    </message>
    <message>
        <source>Actual date: </source>
        <translation>Выполнено: </translation>
    </message>
    <message>
        <source>You must have a planner entry selected in order to delete it!</source>
        <translation>Чтобы удалить план, его нужно выбрать!</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>You must have a planner entry selected in order to modify it!</source>
        <translation>Чтобы изменить план, его нужно выбрать!</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>CPlannerSummary</name>
    <message>
        <source> ] NOT DONE</source>
        <translation> ] НЕ ВЫПОЛНЕНО</translation>
    </message>
    <message>
        <source> ] DONE on %d %b</source>
        <translation> ] ВЫПОЛНЕНО %d %b</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source> ] DONE ON TIME</source>
        <translation> ] ВЫПОЛНЕНО В СРОК</translation>
    </message>
    <message>
        <source> ERROR</source>
        <translation> ОШИБКА</translation>
    </message>
    <message>
        <source>%d %b [ </source>
        <translation>%d %b [ </translation>
    </message>
</context>
<context>
    <name>CPlanningCommands</name>
    <message>
        <source>You must open or create a diary to use the reminder!</source>
        <translation>Чтобы пользоваться напоминаниями, откройте или создайте дневник!</translation>
    </message>
    <message>
        <source>You must open or create a diary to use the planners!</source>
        <translation>Чтобы пользоваться планировщиком, откройте или создайте дневник!</translation>
    </message>
</context>
<context>
    <name>CPlanningForm</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>HELP!</source>
        <translation>СПРАВКА</translation>
    </message>
    <message>
        <source>Click to read extensive help</source>
        <translation>Щёлкните, чтобы прочитать подробную справку</translation>
    </message>
    <message>
        <source>A description holds at most %1 characters; &quot;%2&quot; was not taken.</source>
        <translation>Описание вмещает не больше %1 символов; «%2» не принято.</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Добавить: %1</translation>
    </message>
</context>
<context>
    <name>CProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CReloadedBar</name>
    <message>
        <source>The diary was changed by another program and has been reloaded.</source>
        <translation>Дневник был изменён другой программой и загружен заново.</translation>
    </message>
</context>
<context>
    <name>CReminderSummary</name>
    <message>
        <source>Today [%d %b, %a]: </source>
        <translation>Сегодня [%d %b, %a]: </translation>
    </message>
    <message>
        <source>Tomorrow </source>
        <translation>Завтра </translation>
    </message>
    <message numerus="yes">
        <source>Soon [in %n days] </source>
        <translation>
            <numerusform>Скоро [через %n день] </numerusform>
            <numerusform>Скоро [через %n дня] </numerusform>
            <numerusform>Скоро [через %n дней] </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n days </source>
        <translation>
            <numerusform>через %n день </numerusform>
            <numerusform>через %n дня </numerusform>
            <numerusform>через %n дней </numerusform>
        </translation>
    </message>
    <message>
        <source>[%d %b, %a]: </source>
        <translation>[%d %b, %a]: </translation>
    </message>
</context>
<context>
    <name>CRemindersDlg</name>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Напоминание</translation>
    </message>
    <message>
        <source>Click on a reminder to select it</source>
        <translation>Щёлкните напоминание, чтобы выбрать его</translation>
    </message>
    <message>
        <source>Enter reminder information:</source>
        <translation>Данные напоминания:</translation>
    </message>
    <message>
        <source>Enter reminder description</source>
        <translation>Введите описание напоминания</translation>
    </message>
    <message>
        <source>Add another reminder</source>
        <translation>Добавить ещё одно напоминание</translation>
    </message>
    <message>
        <source>Delete currently selected reminder</source>
        <translation>Удалить выбранное напоминание</translation>
    </message>
    <message>
        <source>Close the reminders window</source>
        <translation>Закрыть окно напоминаний</translation>
    </message>
    <message>
        <source>Choose a date of the reminder</source>
        <translation>Выберите дату напоминания</translation>
    </message>
    <message>
        <source>You must have a reminder selected in order to delete it!</source>
        <translation>Чтобы удалить напоминание, его нужно выбрать!</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>on %#x : </source>
        <translation>%#x : </translation>
    </message>
    <message>
        <source>on %#x: </source>
        <translation>%#x: </translation>
    </message>
</context>
<context>
    <name>CSaveCancelHelpRow</name>
    <message>
        <source>SAVE</source>
        <translation>СОХРАНИТЬ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>HELP!</source>
        <translation>СПРАВКА</translation>
    </message>
</context>
<context>
    <name>CScrambledDiaryBar</name>
    <message>
        <source>This diary is only scrambled: anyone with its files can read it.</source>
        <translation>Этот дневник лишь перемешан: любой, у кого есть его файлы, может его прочесть.</translation>
    </message>
    <message>
        <source>Encrypt diary...</source>
        <translation>Зашифровать...</translation>
    </message>
</context>
<context>
    <name>CScreenLockWatch</name>
    <message>
        <source>Lock the diary before sleep</source>
        <translation>Заблокировать дневник перед сном системы</translation>
    </message>
</context>
<context>
    <name>CSearchMode</name>
    <message>
        <source>Search text</source>
        <translation>Текст для поиска</translation>
    </message>
    <message>
        <source>Days:</source>
        <translation>Дни:</translation>
    </message>
    <message>
        <source>From day</source>
        <translation>С дня</translation>
    </message>
    <message>
        <source>To day</source>
        <translation>По день</translation>
    </message>
    <message>
        <source>Mood:</source>
        <translation>Настроение:</translation>
    </message>
    <message>
        <source>Lowest mood</source>
        <translation>Худшее настроение</translation>
    </message>
    <message>
        <source>Highest mood</source>
        <translation>Лучшее настроение</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>(any)</source>
        <translation>(любая)</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Метка:</translation>
    </message>
    <message>
        <source>There are no more entries in this diary!</source>
        <translation>В этом дневнике больше нет записей!</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
</context>
<context>
    <name>CSearchResultModel</name>
    <message>
        <source>No entry found</source>
        <translation>Записей не найдено</translation>
    </message>
    <message>
        <source>1 entry found</source>
        <translation>Найдена 1 запись</translation>
    </message>
    <message numerus="yes">
        <source>%n entries found</source>
        <translation>
            <numerusform>Найдена %n запись</numerusform>
            <numerusform>Найдено %n записи</numerusform>
            <numerusform>Найдено %n записей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CSecurityDlg</name>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>You must provide a password for this diary:</source>
        <translation>Введите пароль этого дневника:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Подтверждение пароля</translation>
    </message>
    <message>
        <source>Password strength</source>
        <translation>Надёжность пароля</translation>
    </message>
    <message>
        <source>Strength: %1</source>
        <translation>Надёжность: %1</translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation>Повторите пароль:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>You are creating a new diary!</source>
        <translation>Вы создаёте новый дневник!</translation>
    </message>
    <message>
        <source>You must enter at least 3 characters!</source>
        <translation>Нужно ввести не меньше 3 символов!</translation>
    </message>
    <message>
        <source>A password can have at most %1 characters; this one has %2.</source>
        <translation>В пароле может быть не больше %1 символов; в этом — %2.</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Depressed</source>
        <translation>Подавленное</translation>
    </message>
    <message>
        <source>Sad</source>
        <translation>Грустное</translation>
    </message>
    <message>
        <source>Not Good</source>
        <translation>Неважное</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Нейтрально</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Хорошее</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Очень хорошее</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Отличное</translation>
    </message>
    <message>
        <source>Exhausted</source>
        <translation>Изнурён</translation>
    </message>
    <message>
        <source>Tired</source>
        <translation>Устал</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормально</translation>
    </message>
    <message>
        <source>Very Sick</source>
        <translation>Очень болен</translation>
    </message>
    <message>
        <source>Sick</source>
        <translation>Болен</translation>
    </message>
    <message>
        <source>Not Well</source>
        <translation>Нездоровится</translation>
    </message>
    <message>
        <source>Healthy</source>
        <translation>Здоров</translation>
    </message>
    <message>
        <source>Nightmare</source>
        <translation>Кошмар</translation>
    </message>
    <message>
        <source>Strange</source>
        <translation>Странный</translation>
    </message>
    <message>
        <source>Amusing</source>
        <translation>Забавный</translation>
    </message>
    <message>
        <source>Fun</source>
        <translation>Весёлый</translation>
    </message>
</context>
<context>
    <name>CSpellMenu</name>
    <message>
        <source>No suggestions</source>
        <translation>Нет вариантов</translation>
    </message>
    <message>
        <source>Add to dictionary</source>
        <translation>Добавить в словарь</translation>
    </message>
    <message>
        <source>The word could not be saved in your dictionary (%1).</source>
        <translation>Не удалось сохранить слово в вашем словаре (%1).</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
</context>
<context>
    <name>CSplashDlg</name>
    <message>
        <source>Push to continue...</source>
        <translation>Продолжить...</translation>
    </message>
    <message>
        <source>Unable to create timer!</source>
        <translation>Не удалось создать таймер!</translation>
    </message>
    <message>
        <source>Push to continue or wait %1 more seconds...</source>
        <translation>Продолжить — или подождите ещё %1 с...</translation>
    </message>
</context>
<context>
    <name>CStatisticsDlg</name>
    <message>
        <source>Mood</source>
        <translation>Настроение</translation>
    </message>
    <message>
        <source>Fatigue</source>
        <translation>Усталость</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Самочувствие</translation>
    </message>
    <message>
        <source>Dream</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Год:</translation>
    </message>
    <message>
        <source>&amp;Colours show:</source>
        <translation>&amp;Цвета показывают:</translation>
    </message>
    <message>
        <source>Year in colours</source>
        <translation>Год в цветах</translation>
    </message>
    <message>
        <source>A day with several entries shows the ratings of its latest entry.</source>
        <translation>День с несколькими записями показывает оценки последней из них.</translation>
    </message>
    <message>
        <source>Monthly averages</source>
        <translation>Средние по месяцам</translation>
    </message>
    <message>
        <source>&amp;All years</source>
        <translation>&amp;Все годы</translation>
    </message>
    <message>
        <source>Statistics pages</source>
        <translation>Страницы статистики</translation>
    </message>
    <message>
        <source>Whole diary</source>
        <translation>Весь дневник</translation>
    </message>
    <message>
        <source>Moods:</source>
        <translation>Настроение:</translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation>&amp;Сохранить рисунок...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Monthly averages %1.png</source>
        <translation>Средние по месяцам %1.png</translation>
    </message>
</context>
<context>
    <name>CStoreMessageText</name>
    <message>
        <source>No error occurred.</source>
        <translation>Ошибок не было.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 не найден.</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 содержит неверный путь.</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>Не удалось открыть %1: открыто слишком много файлов.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Доступ к %1 запрещён.</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>С %1 связан неверный дескриптор файла.</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>Не удалось удалить %1: это текущий каталог.</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>Не удалось создать %1: каталог переполнен.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Ошибка позиционирования в %1</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>При обращении к %1 произошла аппаратная ошибка ввода-вывода.</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>При обращении к %1 произошло нарушение совместного доступа.</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>При обращении к %1 произошло нарушение блокировки.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Диск заполнен при обращении к %1.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Попытка обратиться к %1 за его концом.</translation>
    </message>
    <message>
        <source>%1 would grow past the 4 GB a diary&apos;s texts can take, so this was not saved. Start a new diary for the years to come.</source>
        <translation>%1 превысил бы 4 ГБ, которые вмещают тексты дневника, поэтому это не сохранено. Заведите новый дневник для следующих лет.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>При обращении к %1 произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>The file %1 is not a Dayloom diary, or it is damaged. Nothing was opened.</source>
        <translation>Файл %1 — не дневник Dayloom или он повреждён. Ничего не открыто.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a diary. Nothing was opened.</source>
        <translation>%1 — это папка, а не дневник. Ничего не открыто.</translation>
    </message>
    <message>
        <source>The file %1 is not a Dayloom diary. Nothing was opened.</source>
        <translation>Файл %1 — не дневник Dayloom. Ничего не открыто.</translation>
    </message>
    <message>
        <source>The diary file %1 is damaged or was altered. Nothing was opened.</source>
        <translation>Файл дневника %1 повреждён или изменён. Ничего не открыто.</translation>
    </message>
    <message>
        <source>This diary was made by a newer Dayloom and cannot be opened here.</source>
        <translation>Этот дневник создан более новой версией Dayloom, здесь его открыть нельзя.</translation>
    </message>
    <message>
        <source>The cryptography library could not be started.</source>
        <translation>Не удалось запустить криптографическую библиотеку.</translation>
    </message>
</context>
<context>
    <name>CSummaries</name>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Planner</source>
        <translation>Планировщик</translation>
    </message>
    <message>
        <source>On this day</source>
        <translation>В этот день</translation>
    </message>
    <message>
        <source>Reminders:</source>
        <translation>Напоминания:</translation>
    </message>
    <message>
        <source>Planner:</source>
        <translation>Планы:</translation>
    </message>
</context>
<context>
    <name>CTextFileReader</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>это не текст UTF-8</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>строка %1</translation>
    </message>
    <message>
        <source>its text is longer than %1 characters</source>
        <translation>его текст длиннее %1 символов</translation>
    </message>
</context>
<context>
    <name>CTipDlg</name>
    <message>
        <source>Trouble reading the tips file</source>
        <translation>Не удаётся прочитать файл советов</translation>
    </message>
    <message>
        <source>Tip of the day</source>
        <translation>Совет дня</translation>
    </message>
    <message>
        <source>&amp;Show Tips on StartUp</source>
        <translation>&amp;Показывать советы при запуске</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Следующий совет</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Tips file does not exist. It must be placed in the same directory as DAYLOOM.EXE and named TIPS.TXT</source>
        <translation>Файла советов нет. Он должен лежать в одном каталоге с DAYLOOM.EXE и называться TIPS.TXT</translation>
    </message>
</context>
<context>
    <name>CTipTexts</name>
    <message>
        <source>Press F2 in the main window to write a new entry. If no diary is open yet, Dayloom first asks you to open one or to create a new one.</source>
        <translation>Нажмите F2 в главном окне, чтобы написать новую запись. Если дневник ещё не открыт, Dayloom сначала предложит открыть его или создать новый.</translation>
    </message>
    <message>
        <source>The first entry of a new diary sets its password. Choose one you will remember: without it nobody, not even you, can read the diary again.</source>
        <translation>Первая запись нового дневника задаёт его пароль. Выберите такой, который не забудете: без него никто, даже вы, не сможет снова прочесть дневник.</translation>
    </message>
    <message>
        <source>Passwords are case sensitive: &quot;Summer&quot; and &quot;summer&quot; are two different passwords.</source>
        <translation>В паролях важен регистр: «Лето» и «лето» — два разных пароля.</translation>
    </message>
    <message>
        <source>Tick &quot;Open last diary at startup&quot; in the Options dialog and Dayloom asks for your password as soon as it starts.</source>
        <translation>Отметьте «Открывать последний дневник при запуске» в параметрах, и Dayloom спросит пароль сразу при запуске.</translation>
    </message>
    <message>
        <source>The First, Previous, Next and Last buttons, and the same commands in the Entry menu, move through your diary one entry at a time.</source>
        <translation>Кнопки «Первая», «Предыдущая», «Следующая» и «Последняя» и те же команды в меню «Запись» листают дневник по одной записи.</translation>
    </message>
    <message>
        <source>Tick the Search box and type a word to find the entries whose text contains it.</source>
        <translation>Отметьте поле поиска и введите слово, чтобы найти записи, в тексте которых оно есть.</translation>
    </message>
    <message>
        <source>Every entry keeps four ratings: mood, fatigue, shape and last night&apos;s dream. The graph panel draws them over time once your diary has at least eight entries.</source>
        <translation>В каждой записи четыре оценки: настроение, усталость, самочувствие и сон прошлой ночи. Панель графика рисует их во времени, как только в дневнике наберётся восемь записей.</translation>
    </message>
    <message>
        <source>The check boxes under &quot;Choose graphs:&quot; switch each series of the graph on or off. The same switches show or hide the values in the entry view.</source>
        <translation>Флажки под «Графики:» включают и выключают каждую линию графика. Они же показывают или скрывают значения в окне записи.</translation>
    </message>
    <message>
        <source>Web addresses and mail addresses you type in an entry become links. Click one to open it.</source>
        <translation>Веб-адреса и адреса почты, набранные в записи, становятся ссылками. Щёлкните по ссылке, чтобы открыть её.</translation>
    </message>
    <message>
        <source>In the New Entry editor you can change the font, its size and colour, and make text bold, italic or underlined.</source>
        <translation>В редакторе новой записи можно менять шрифт, его размер и цвет, делать текст полужирным, курсивом или подчёркнутым.</translation>
    </message>
    <message>
        <source>The names of the rating values are yours: change &quot;Very good&quot;, &quot;Tired&quot; and the others in the Options dialog.</source>
        <translation>Названия оценок можно менять: «Очень хорошее», «Устал» и другие задаются в параметрах.</translation>
    </message>
    <message>
        <source>Reminders come back every year. Add birthdays and anniversaries once in the Reminders dialog and the main window tells you when they are near.</source>
        <translation>Напоминания повторяются каждый год. Внесите дни рождения и годовщины один раз в напоминания, и главное окно подскажет, когда они близко.</translation>
    </message>
    <message>
        <source>The &quot;Soon&quot; window of the reminder summary is set in days in the Options dialog; the change shows at the next start.</source>
        <translation>За сколько дней напоминание считается «скорым», задаётся в параметрах; изменение видно при следующем запуске.</translation>
    </message>
    <message>
        <source>Keep track of what you want to get done in the Planner. Mark a task done and Dayloom notes the date you finished it.</source>
        <translation>Записывайте в планировщик, что хотите сделать. Отметьте задачу выполненной, и Dayloom запомнит дату.</translation>
    </message>
    <message>
        <source>Change the password of your diary with Change Password. Every entry is encrypted again with the new password.</source>
        <translation>Пароль дневника меняется командой «Сменить пароль». Каждая запись заново шифруется новым паролем.</translation>
    </message>
    <message>
        <source>Print the entry you are reading, or every entry of your diary, one entry per print job.</source>
        <translation>Печатайте читаемую запись или все записи дневника, по одной записи на задание печати.</translation>
    </message>
    <message>
        <source>Diaries written with Dayloom 1.00 can be imported: choose the DATA folder that holds their files.</source>
        <translation>Дневники Dayloom 1.00 можно импортировать: выберите папку DATA с их файлами.</translation>
    </message>
    <message>
        <source>A diary is a set of files that share one name. Copy all of them together when you make a backup.</source>
        <translation>Дневник — это набор файлов с одним именем. Для резервной копии копируйте их все вместе.</translation>
    </message>
    <message>
        <source>Press F1 in a dialog that has a &quot;HELP!&quot; button to read about that dialog.</source>
        <translation>Нажмите F1 в окне с кнопкой «СПРАВКА», чтобы прочитать о нём.</translation>
    </message>
    <message>
        <source>Don&apos;t want to see these tips at start-up? Untick &quot;Show Tips on StartUp&quot; and press Close. &quot;Tip of the Day...&quot; in the Help menu still shows them.</source>
        <translation>Не хотите видеть советы при запуске? Снимите флажок «Показывать советы при запуске» и нажмите «Закрыть». «Совет дня...» в меню «Справка» по-прежнему их покажет.</translation>
    </message>
</context>
<context>
    <name>CTodayNotification</name>
    <message>
        <source>1 reminder today</source>
        <translation>1 напоминание на сегодня</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders today</source>
        <translation>
            <numerusform>%n напоминание на сегодня</numerusform>
            <numerusform>%n напоминания на сегодня</numerusform>
            <numerusform>%n напоминаний на сегодня</numerusform>
        </translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Сегодня: %1</translation>
    </message>
</context>
<context>
    <name>CVersion1Importer</name>
    <message>
        <source>Select the directory with your old data files (it will be called \DATA in the directory where you installed Dayloom v1.00).</source>
        <translation>Выберите каталог со старыми файлами данных (он называется \DATA и лежит в каталоге, куда был установлен Dayloom v1.00).</translation>
    </message>
    <message>
        <source>That is probably not a correct directory! The directory Dayloom needs will be named \DATA and it will be a subdirectory of a directory where you installed Dayloom v1.00!</source>
        <translation>Похоже, это не тот каталог! Нужный Dayloom каталог называется \DATA и находится в каталоге, куда был установлен Dayloom v1.00!</translation>
    </message>
    <message numerus="yes">
        <source>Successfully converted %n entries!</source>
        <translation>
            <numerusform>Успешно преобразована %n запись!</numerusform>
            <numerusform>Успешно преобразованы %n записи!</numerusform>
            <numerusform>Успешно преобразовано %n записей!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Skipped %n entries already in the diary!</source>
        <translation>
            <numerusform> Пропущена %n запись, уже бывшая в дневнике!</numerusform>
            <numerusform> Пропущены %n записи, уже бывшие в дневнике!</numerusform>
            <numerusform> Пропущено %n записей, уже бывших в дневнике!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) were not converted because their names do not carry a date and time the way Dayloom v1.00 wrote them.</source>
        <translation>
            <numerusform>%n файл не преобразован: в имени нет даты и времени в том виде, как их писал Dayloom v1.00.</numerusform>
            <numerusform>%n файла не преобразованы: в именах нет даты и времени в том виде, как их писал Dayloom v1.00.</numerusform>
            <numerusform>%n файлов не преобразовано: в именах нет даты и времени в том виде, как их писал Dayloom v1.00.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error while opening old file!</source>
        <translation>Ошибка при открытии старого файла!</translation>
    </message>
</context>
<context>
    <name>CWordCountLabel</name>
    <message>
        <source>1 word</source>
        <translation>1 слово</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n слово</numerusform>
            <numerusform>%n слова</numerusform>
            <numerusform>%n слов</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1 selected)</source>
        <translation> (выделено: %1)</translation>
    </message>
</context>
<context>
    <name>CWordText</name>
    <message>
        <source>1 year ago: </source>
        <translation>1 год назад: </translation>
    </message>
    <message numerus="yes">
        <source>%n years ago: </source>
        <translation>
            <numerusform>%n год назад: </numerusform>
            <numerusform>%n года назад: </numerusform>
            <numerusform>%n лет назад: </numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CYearGridView</name>
    <message>
        <source>
No entry</source>
        <translation>
Нет записи</translation>
    </message>
    <message>
        <source>
Mood: </source>
        <translation>
Настроение: </translation>
    </message>
    <message>
        <source>
Fatigue: </source>
        <translation>
Усталость: </translation>
    </message>
    <message>
        <source>
Shape: </source>
        <translation>
Самочувствие: </translation>
    </message>
    <message>
        <source>
Dream: </source>
        <translation>
Сон: </translation>
    </message>
    <message numerus="yes">
        <source>
(%n entries: the latest shown)</source>
        <translation>
            <numerusform>
(%n запись: показана последняя)</numerusform>
            <numerusform>
(%n записи: показана последняя)</numerusform>
            <numerusform>
(%n записей: показана последняя)</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry</source>
        <translation>Нет записи</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
</TS>
