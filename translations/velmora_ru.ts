<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Batch</name>
    <message>
        <source>a sixth field (the sex for the luck pillars) goes with --json</source>
        <translation>шестое поле (пол для тактов удачи) допустимо только с --json</translation>
    </message>
    <message>
        <source>sex &quot;%1&quot; is not &quot;male&quot;, &quot;female&quot;, &quot;м&quot; or &quot;ж&quot;</source>
        <translation>пол «%1» — не «male», «female», «м» и не «ж»</translation>
    </message>
    <message>
        <source>line is longer than %1 bytes</source>
        <translation>строка длиннее %1 байт</translation>
    </message>
    <message>
        <source>cannot read the input: %1</source>
        <translation>не удаётся прочитать ввод: %1</translation>
    </message>
</context>
<context>
    <name>ChartError</name>
    <message>
        <source>the date does not exist</source>
        <translation>дата не существует</translation>
    </message>
    <message>
        <source>the date is outside the range of the ephemeris</source>
        <translation>дата вне диапазона эфемериды</translation>
    </message>
</context>
<context>
    <name>ChartFile</name>
    <message>
        <source>Cannot save the file &quot;%1&quot;: %2.</source>
        <translation>Не удалось сохранить файл «%1»: %2.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>папка «%1» не существует</translation>
    </message>
    <message>
        <source>writing to the folder &quot;%1&quot; is not allowed</source>
        <translation>запись в папку «%1» запрещена</translation>
    </message>
    <message>
        <source>the file cannot be created</source>
        <translation>файл не удаётся создать</translation>
    </message>
    <message>
        <source>not enough space on the disk</source>
        <translation>на диске недостаточно места</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>ошибка записи</translation>
    </message>
    <message>
        <source>the file type is chosen by the extension .pdf or .png</source>
        <translation>тип файла задаётся расширением .pdf или .png</translation>
    </message>
    <message>
        <source>invalid file name (too long)</source>
        <translation>недопустимое имя файла (слишком длинное)</translation>
    </message>
    <message>
        <source>a folder has this name</source>
        <translation>под этим именем уже есть папка</translation>
    </message>
    <message>
        <source>this name is not a regular file</source>
        <translation>под этим именем не обычный файл</translation>
    </message>
    <message>
        <source>the picture could not be drawn</source>
        <translation>изображение не удалось построить</translation>
    </message>
    <message>
        <source>invalid file name (not UTF-8)</source>
        <translation>недопустимое имя файла (не в кодировке UTF-8)</translation>
    </message>
</context>
<context>
    <name>ChartRequest</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <translation>%1 «%2» — не число</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is outside %3..%4</source>
        <translation>%1 «%2» вне пределов %3..%4</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is not DD.MM.YYYY</source>
        <translation>дата «%1» не в формате ДД.ММ.ГГГГ</translation>
    </message>
    <message>
        <source>year &quot;%1&quot; of date &quot;%2&quot; is not four digits</source>
        <translation>год «%1» в дате «%2» — не четыре цифры</translation>
    </message>
    <message>
        <source>year</source>
        <translation>год</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; does not exist</source>
        <translation>даты «%1» не существует</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not HH:MM</source>
        <translation>время «%1» не в формате ЧЧ:ММ</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>час</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>минута</translation>
    </message>
    <message>
        <source>correction</source>
        <translation>поправка</translation>
    </message>
    <message>
        <source>correction &quot;%1&quot; is not H, H:MM or H:MM:SS</source>
        <translation>поправка «%1» не в формате Ч, Ч:ММ или Ч:ММ:СС</translation>
    </message>
    <message>
        <source>longitude &quot;%1&quot; is not DDD:MM</source>
        <translation>долгота «%1» не в формате ГГГ:ММ</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>градусы долготы</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>минуты долготы</translation>
    </message>
    <message>
        <source>hemisphere &quot;%1&quot; is not E or W</source>
        <translation>полушарие «%1» — не «E» и не «W»</translation>
    </message>
    <message>
        <source>hemisphere &quot;%1&quot; is not E or W (Latin letters)</source>
        <translation>полушарие «%1» — не «E» и не «W» (латинские буквы)</translation>
    </message>
    <message>
        <source>longitude &quot;%1&quot; is not DDD:MM{E|W}</source>
        <translation>долгота «%1» не в формате ГГГ:ММ с буквой «E» или «W» в конце</translation>
    </message>
    <message>
        <source>line &quot;%1&quot; is not DD.MM.YYYY,HH:MM,CORR,DDD:MM,H</source>
        <translation>строка «%1» не в формате ДД.ММ.ГГГГ,ЧЧ:ММ,ПОПРАВКА,ГГГ:ММ,П</translation>
    </message>
</context>
<context>
    <name>CityNamed</name>
    <message>
        <source>no place is named &quot;%1&quot;</source>
        <translation>нет места с названием «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>no place is named &quot;%1&quot;; did you mean: %2</source>
        <translation>нет места с названием «%1»; возможно, имелось в виду: %2</translation>
    </message>
    <message>
        <source>no city list to search (is libgeonames0 installed?)</source>
        <translation>нет списка городов для поиска (установлен ли пакет «libgeonames0»?)</translation>
    </message>
</context>
<context>
    <name>ClientCommands</name>
    <message>
        <source>no client has the id %1</source>
        <translation>нет клиента с номером %1</translation>
    </message>
    <message>
        <source>no client is named &quot;%1&quot;</source>
        <translation>нет клиента с именем «%1»</translation>
    </message>
    <message>
        <source>%1 clients are named &quot;%2&quot;; give the id: %3</source>
        <translation>клиентов с именем «%2»: %1; укажите номер: %3</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;</source>
        <translation>не удается прочитать «%1»</translation>
    </message>
    <message>
        <source>nothing was imported</source>
        <translation>ничего не импортировано</translation>
    </message>
    <message>
        <source>client &quot;%1&quot; has no sex stored; give --luck male or --luck female</source>
        <translation>у клиента «%1» не записан пол; укажите --luck male или --luck female</translation>
    </message>
</context>
<context>
    <name>Clients</name>
    <message>
        <source>the name is empty</source>
        <translation>имя не указано</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>имя длиннее %1 символов</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is not one line</source>
        <translation>имя «%1» занимает не одну строку</translation>
    </message>
    <message>
        <source>sex &quot;%1&quot; is not м, ж or empty</source>
        <translation>пол «%1» — не «м», не «ж» и не пустой</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is not DD.MM.YYYY</source>
        <translation>дата «%1» не в формате ДД.ММ.ГГГГ</translation>
    </message>
    <message>
        <source>the year of date &quot;%1&quot; is outside 0001..5000</source>
        <translation>год даты «%1» вне пределов 0001..5000</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; does not exist</source>
        <translation>даты «%1» не существует</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not HH:MM</source>
        <translation>время «%1» не в формате ЧЧ:ММ</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is outside 00:00..23:59</source>
        <translation>время «%1» вне пределов 00:00..23:59</translation>
    </message>
    <message>
        <source>neither a correction nor a zone is given</source>
        <translation>не указаны ни поправка, ни часовой пояс</translation>
    </message>
    <message>
        <source>both a correction and a zone are given (%1); one of them is needed</source>
        <translation>указаны и поправка, и часовой пояс (%1); нужно что-то одно</translation>
    </message>
    <message>
        <source>correction &quot;%1&quot; is not H, H:MM or H:MM:SS</source>
        <translation>поправка «%1» не в формате Ч, Ч:ММ или Ч:ММ:СС</translation>
    </message>
    <message>
        <source>correction &quot;%1&quot; is outside -23..23 hours</source>
        <translation>поправка «%1» вне пределов -23..23 часа</translation>
    </message>
    <message>
        <source>zone &quot;%1&quot; is not a time zone of the system&apos;s zone data</source>
        <translation>часового пояса «%1» нет в системной базе часовых поясов</translation>
    </message>
    <message>
        <source>longitude &quot;%1&quot; is not DDD:MM</source>
        <translation>долгота «%1» не в формате ГГГ:ММ</translation>
    </message>
    <message>
        <source>longitude &quot;%1&quot; is outside 000:00..179:59</source>
        <translation>долгота «%1» вне пределов 000:00..179:59</translation>
    </message>
    <message>
        <source>hemisphere &quot;%1&quot; is not E or W</source>
        <translation>полушарие «%1» — не «E» и не «W»</translation>
    </message>
    <message>
        <source>the place is longer than %1 characters or not one line</source>
        <translation>место длиннее %1 символов или занимает не одну строку</translation>
    </message>
    <message>
        <source>GeoNames id %1 is negative</source>
        <translation>номер GeoNames %1 отрицательный</translation>
    </message>
    <message>
        <source>the notes are longer than %1 bytes</source>
        <translation>заметки длиннее %1 байт</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>первая строка — не «%1»</translation>
    </message>
    <message>
        <source>%1 fields instead of %2</source>
        <translation>полей %1 вместо %2</translation>
    </message>
    <message>
        <source>a double quote out of place</source>
        <translation>кавычка не на своём месте</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>поле в кавычках не закрыто</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>текст не в кодировке UTF-8</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>the client file &quot;%1&quot; is in use by another program; try again</source>
        <translation>картотека «%1» занята другой программой; попробуйте ещё раз</translation>
    </message>
    <message>
        <source>no space left for the client file &quot;%1&quot;; nothing was changed</source>
        <translation>для картотеки «%1» не хватает места на диске; ничего не изменено</translation>
    </message>
    <message>
        <source>the client file &quot;%1&quot; or its folder cannot be written; it can only be read</source>
        <translation>в картотеку «%1» или её папку нельзя записывать; её можно только читать</translation>
    </message>
    <message>
        <source>the client file &quot;%1&quot; is damaged and was left as it is; a copy of it can be repaired with: sqlite3 COPY .recover | sqlite3 NEW-FILE</source>
        <translation>картотека «%1» повреждена и оставлена как есть; её копию можно восстановить командой: sqlite3 КОПИЯ .recover | sqlite3 НОВЫЙ-ФАЙЛ</translation>
    </message>
    <message>
        <source>the client file &quot;%1&quot; was made by a later version of the program; it can only be read</source>
        <translation>картотека «%1» создана более новой версией программы; её можно только читать</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file; it was left as it is</source>
        <translation>«%1» — не обычный файл; он оставлен как есть</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds other data, not clients; it was left as it is</source>
        <translation>в «%1» хранятся другие данные, а не клиенты; файл оставлен как есть</translation>
    </message>
    <message>
        <source>the client file &quot;%1&quot; cannot be made or opened</source>
        <translation>картотеку «%1» не удаётся создать или открыть</translation>
    </message>
    <message>
        <source>the client file &quot;%1&quot; needs Qt&apos;s SQLite driver (package libqt6sql6-sqlite)</source>
        <translation>для картотеки «%1» нужен драйвер SQLite для Qt (пакет libqt6sql6-sqlite)</translation>
    </message>
    <message>
        <source>no such client in &quot;%1&quot;</source>
        <translation>в картотеке «%1» нет такого клиента</translation>
    </message>
    <message>
        <source>the client&apos;s data is wrong; nothing was changed</source>
        <translation>данные клиента неверны; ничего не изменено</translation>
    </message>
    <message>
        <source>the client file &quot;%1&quot; cannot be read or written</source>
        <translation>картотеку «%1» не удаётся прочитать или записать</translation>
    </message>
</context>
<context>
    <name>PlaceOption</name>
    <message>
        <source>zone &quot;%1&quot; at %2: no such local time, the clocks moved forward (%3); &quot;--fold earlier&quot; or &quot;--fold later&quot; chooses</source>
        <translation>пояс «%1», %2: такого местного времени не было, часы переводились вперёд (%3); выберите «--fold earlier» или «--fold later»</translation>
    </message>
    <message>
        <source> then </source>
        <translation> затем </translation>
    </message>
    <message>
        <source>zone &quot;%1&quot; at %2: the local time happened twice, the clocks moved back (%3); &quot;--fold earlier&quot; or &quot;--fold later&quot; chooses</source>
        <translation>пояс «%1», %2: это местное время было дважды, часы переводились назад (%3); выберите «--fold earlier» или «--fold later»</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>unknown time zone &quot;%1&quot; (use a name such as &quot;Europe/Moscow&quot;)</source>
        <translation>неизвестный часовой пояс «%1» (укажите имя вроде «Europe/Moscow»)</translation>
    </message>
    <message>
        <source>place &quot;%1&quot;: %2</source>
        <translation>место «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>no space left on the device</source>
        <translation>на устройстве нет места</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>дисковая квота исчерпана</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>файловая система только для чтения</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>the reading end is closed</source>
        <translation>читающая сторона закрыта</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>нет такого файла или папки</translation>
    </message>
    <message>
        <source>the stream is not open</source>
        <translation>поток не открыт</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>системная ошибка %1</translation>
    </message>
</context>
<context>
    <name>ToolOptions</name>
    <message>
        <source>--fold takes &quot;earlier&quot; or &quot;later&quot;</source>
        <translation>--fold принимает «earlier» или «later»</translation>
    </message>
    <message>
        <source>--luck takes &quot;male&quot;, &quot;female&quot;, &quot;м&quot; or &quot;ж&quot;</source>
        <translation>--luck принимает «male», «female», «м» или «ж»</translation>
    </message>
    <message>
        <source>--around takes whole minutes from 1 to 1440</source>
        <translation>--around принимает целое число минут от 1 до 1440</translation>
    </message>
    <message>
        <source>--around lists the charts of a span; it does not go with --batch, --luck, --pdf or --png</source>
        <translation>--around перечисляет карты промежутка и не сочетается с --batch, --luck, --pdf и --png</translation>
    </message>
    <message>
        <source>--batch takes the sex in a sixth field of each line (with --json), not --luck</source>
        <translation>--batch берёт пол из шестого поля каждой строки (с --json), а не из --luck</translation>
    </message>
    <message>
        <source>--batch takes its cases from standard input</source>
        <translation>--batch читает случаи со стандартного ввода</translation>
    </message>
    <message>
        <source>--batch takes the correction and longitude from each input line, not from --correction or --longitude</source>
        <translation>--batch берёт поправку и долготу из каждой строки ввода, а не из --correction или --longitude</translation>
    </message>
    <message>
        <source>--batch takes a zone in each line, not --place or --tz</source>
        <translation>--batch берёт пояс из каждой строки, а не из --place или --tz</translation>
    </message>
    <message>
        <source>--header names the CSV columns; it does not go with --json</source>
        <translation>--header называет столбцы вывода и не сочетается с --json</translation>
    </message>
    <message>
        <source>--pdf and --png save a single chart, not a batch</source>
        <translation>--pdf и --png сохраняют одну карту, а не пакет</translation>
    </message>
    <message>
        <source>expected a date and a time</source>
        <translation>нужны дата и время</translation>
    </message>
    <message>
        <source>--place gives the correction and the longitude itself</source>
        <translation>--place сам задаёт поправку и долготу</translation>
    </message>
    <message>
        <source>--tz gives the correction itself</source>
        <translation>--tz сам задаёт поправку</translation>
    </message>
    <message>
        <source>the --pdf file name must end in .pdf</source>
        <translation>имя файла для --pdf должно оканчиваться на .pdf</translation>
    </message>
    <message>
        <source>the --png file name must end in .png</source>
        <translation>имя файла для --png должно оканчиваться на .png</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 требует значения</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>--fold goes with --place or --tz</source>
        <translation>--fold указывается вместе с --place или --tz</translation>
    </message>
    <message>
        <source>--reading reads a single chart; it does not go with --around</source>
        <translation>--reading разбирает одну карту; с --around не указывается</translation>
    </message>
    <message>
        <source>--batch takes --reading with --json only</source>
        <translation>--batch принимает --reading только вместе с --json</translation>
    </message>
    <message>
        <source>--now takes the present minute instead of a date and a time</source>
        <translation>--now берет текущую минуту вместо даты и времени</translation>
    </message>
    <message>
        <source>--header goes with --batch or --days</source>
        <translation>--header указывается вместе с --batch или --days</translation>
    </message>
    <message>
        <source>%1 needs two dates</source>
        <translation>%1 требует двух дат</translation>
    </message>
    <message>
        <source>--clients, --export-clients and --import-clients go alone (--clients with --json or --header)</source>
        <translation>--clients, --export-clients и --import-clients указываются одни (--clients — с --json или --header)</translation>
    </message>
    <message>
        <source>--client gives the date, the time and the place itself; it does not go with them</source>
        <translation>--client сам дает дату, время и место; вместе с ними не указывается</translation>
    </message>
    <message>
        <source>--day-change takes 0 or 23</source>
        <translation>--day-change принимает 0 или 23</translation>
    </message>
    <message>
        <source>--days lists days; it does not go with --batch, --around or --png</source>
        <translation>--days перечисляет дни; с --batch, --around и --png не указывается</translation>
    </message>
    <message>
        <source>--days takes --pdf only after a date and a time, or with --client</source>
        <translation>--days принимает --pdf только после даты и времени или с --client</translation>
    </message>
    <message>
        <source>--days takes --luck and --reading only for the report of --pdf</source>
        <translation>--days принимает --luck и --reading только для отчёта --pdf</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>Try &apos;velmora-chart --help&apos;.</source>
        <translation>Подробнее: «velmora-chart --help».</translation>
    </message>
    <message>
        <source>usage: velmora-chart DD.MM.YYYY HH:MM [--correction H] [--longitude DDD:MM{E|W}] [--json]
       velmora-chart DD.MM.YYYY HH:MM --place NAME [--fold earlier|later] [--json]
       (any single chart also takes --luck male|female, --reading, --pdf FILE,
       --png FILE)
       velmora-chart DD.MM.YYYY HH:MM --tz ZONE [--longitude DDD:MM{E|W}]
                     [--fold earlier|later] [--json]
       velmora-chart DD.MM.YYYY HH:MM --around MINUTES [the place options] [--json]
       velmora-chart --batch [--header | --json] [--fold earlier|later] &lt; cases.csv
       velmora-chart [DD.MM.YYYY HH:MM [the place options]] --days FROM TO
                     [--header | --json] [--pdf FILE [--luck S] [--reading]]
       velmora-chart --now [the place options] [any single chart&apos;s options]
       velmora-chart --client NAME|ID [--luck [male|female]] [--reading] [--json]
       (charts also take --solar-time and --day-change 0|23)
       velmora-chart --clients [--header | --json]
       velmora-chart --export-clients &gt; clients.csv
       velmora-chart --import-clients FILE

Prints the four pillars and the year and month squares of a local clock
moment. The year has four digits; charts compute from 01.01.0001 up to the
start of spring 3003 (2 to 6 February 3003 on the clock, by the offset), where
the built-in ephemeris ends, and a later date is an error. The correction is
the clock&apos;s offset from Universal Time in whole hours (-23..23, default 5),
or exact as H:MM or H:MM:SS (5:30, -9:30, 2:30:17: minutes and seconds of two
digits, the whole within -23..23); the longitude defaults to 060:36E.
--place NAME takes the longitude and the time zone of the city of that name
(Russian, Latin or former name, e.g. Казань, Kazan or Свердловск; the largest
of namesakes, or &quot;Заречный, Свердловская&quot; for the one of a region or
country); a name that is no city&apos;s lists the nearest ones. --tz ZONE takes
the correction from an IANA time zone (e.g. Europe/Moscow) and keeps the
longitude. Both use the clock&apos;s exact offset at that date and time (summer
time, old zone changes and offsets such as +5:30 or a town&apos;s mean time
+2:30:17 included). A local time that was skipped or that happened twice when
the clocks were moved is an error naming both offsets, unless --fold earlier
(the offset before the move) or --fold later (after it) chooses; --fold goes
with --place, --tz or --batch. The place used is printed above the table, or
as &quot;place&quot; in the JSON.

With --batch, each input line is DD.MM.YYYY,HH:MM,CORR,DDD:MM,H (H is E or W);
CORR may be an IANA zone instead: 01.07.1985,10:00,Europe/Moscow,037:37,E.
Each line gives one output line, in order. Blank lines and lines starting
with # are skipped; a UTF-8 byte-order mark at the start is ignored; a line
longer than 1000 bytes is an error. The output is CSV (RFC 4180: a field
holding a comma, a quote or a line break is quoted). A chart line has the
columns
  date,time,correction,longitude,hemisphere,hour,day,month,year,year_square,month_square
the case zero-filled (07.03.1999,09:05,-5,074:00,W), the pillars as
&quot;stem branch&quot; (ЗЕМ ОГО) and each square as nine digits by rows. An error line
is the case&apos;s five fields as read, &quot;error&quot; and the reason. --header writes
the column names above as the first line.

--json writes one JSON object per line instead, for a chart
  {&quot;input&quot;:CASE,&quot;pillars&quot;:{&quot;hour&quot;:[STEM,BRANCH],&quot;day&quot;:[..],&quot;month&quot;:[..],
   &quot;year&quot;:[..]},&quot;yearSquare&quot;:[[a,b,c],[d,e,f],[g,h,i]],&quot;monthSquare&quot;:[..],
   &quot;solarYear&quot;:N,&quot;solarMonth&quot;:N,&quot;squareYear&quot;:N,&quot;chartJD&quot;:X}
and for an error {&quot;input&quot;:CASE,&quot;error&quot;:REASON}. Input that is not valid
UTF-8, and control characters, are echoed with U+FFFD in their place (one
for each maximal ill-formed subsequence).

--luck male|female (or м|ж) adds the ten-year luck pillars and the Gua
number. A yang year stem (upper case) with a male chart, or a yin one with a
female chart, runs forward, the others backward. The first pillar starts after
the time from the chart moment to the next month change (forward) or the
previous one (backward), on the scale on which the chart&apos;s month pillar
changes, at 3 days = 1 year, 1 day = 4 months, 2 hours = 10 days (1 minute =
2 hours); pillar n is the month pillar&apos;s n-th neighbour in the sixty cycle and
starts 10 (n - 1) years after the first. The Gua number follows the year of
the year pillar, which changes at the start of spring: male, that year&apos;s star
(5 as 2); female, 15 minus it reduced to 1..9 (5 as 8). --json adds
  &quot;luck&quot;:{&quot;direction&quot;:&quot;forward&quot;|&quot;backward&quot;,&quot;start&quot;:{&quot;years&quot;:Y,&quot;months&quot;:M,
   &quot;days&quot;:D,&quot;hours&quot;:H},&quot;startMoment&quot;:&quot;DD.MM.YYYY HH:MM&quot;,&quot;pillars&quot;:[{&quot;stem&quot;:S,
   &quot;branch&quot;:B,&quot;fromAge&quot;:A,&quot;fromYear&quot;:YYYY,&quot;years&quot;:[{&quot;year&quot;:YYYY,&quot;stem&quot;:S,
   &quot;branch&quot;:B},..]},..],&quot;gua&quot;:{&quot;number&quot;:N,&quot;group&quot;:&quot;east&quot;|&quot;west&quot;,
   &quot;favourable&quot;:[&quot;SE&quot;,..],&quot;unfavourable&quot;:[..]}}
With --batch --json a sixth field of a line (male, female, м or ж) adds the
&quot;luck&quot; object to that line; CSV output takes no sixth field. The text names
the directions in Russian letters (С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ); the JSON keeps
the compass codes.

--reading adds the chart&apos;s reading after the chart (and after the luck
pillars): the day master, each pillar&apos;s stem and branch by name, the ten gods
of its stem and of its branch&apos;s hidden stems, the twelve stages, the na-yin,
the void, the relations between the pillars, the symbolic stars and the
elements, by the rules that velmora-chart(1) lists. --json adds
  &quot;reading&quot;:{&quot;dayMaster&quot;:S,&quot;pillars&quot;:{&quot;hour&quot;:{&quot;stem&quot;,&quot;stemName&quot;,&quot;branch&quot;,
   &quot;branchName&quot;,&quot;god&quot;,&quot;hidden&quot;:[{&quot;stem&quot;,&quot;name&quot;,&quot;god&quot;},..],&quot;stage&quot;,&quot;nayin&quot;,
   &quot;void&quot;},&quot;day&quot;:{..},&quot;month&quot;:{..},&quot;year&quot;:{..}},&quot;void&quot;:{&quot;day&quot;:[..],&quot;year&quot;:[..]},
   &quot;relations&quot;:[{&quot;kind&quot;,&quot;pillars&quot;:[..]},..],&quot;stars&quot;:[{&quot;name&quot;,&quot;from&quot;,
   &quot;pillars&quot;:[..]},..],&quot;elements&quot;:{&quot;visible&quot;:{..},&quot;hidden&quot;:{..}}}
(the day&apos;s &quot;god&quot; is null; &quot;from&quot; is dayStem, yearStem, dayBranch, yearBranch
or monthBranch; pillars are hour, day, month, year), and --batch --json
--reading adds it to every chart line.

--around MINUTES (1..1440) lists every distinct chart from MINUTES before the
moment to MINUTES after it, each with the local clock time from which it
holds and the time at which the next begins, to the second, and what changed
there (hour, day, month, year, yearSquare, monthSquare). A span past
01.01.0001 or the last computable moment is cut there and says so. The span
is real time; with --place or --tz each time is that zone&apos;s clock reading,
followed by its offset when it differs from the moment&apos;s (&quot;01:30:00 +3&quot;).
--json writes
  {&quot;input&quot;:CASE,&quot;around&quot;:[{&quot;from&quot;:&quot;DD.MM.YYYY HH:MM:SS&quot;,&quot;to&quot;:..,
   &quot;pillars&quot;:{..},&quot;yearSquare&quot;:..,&quot;monthSquare&quot;:..,&quot;changes&quot;:[..]},..]}
with &quot;cut&quot;:true after a cut, and &quot;offset&quot; (of from) and &quot;toOffset&quot; (of to)
after &quot;to&quot; on a reading of another offset. Without --around, --json ends a
chart with
  &quot;nearestChange&quot;:{&quot;what&quot;:[&quot;hour&quot;,..],&quot;minutes&quot;:M}
the change nearest to the moment, M negative when it came before.

--days FROM TO (dates DD.MM.YYYY, at most 3660 days) prints the almanac of
each day instead of a chart: the date, the weekday, the day&apos;s stem and branch
tokens and animal, the day&apos;s flying star, the officer, the mansion, the animal
it clashes with and the twelve hour stars from the Крыса hour; after a date
and a time (and place options), also the marks for that chart: a clash with
its year or day, Благородный человек, Ямская лошадь, Цветок любви. CSV, with
--header the line
  date,weekday,stem,branch,animal,day_star,officer,mansion,clash,hour_stars
(and marks with a chart) first, or --json:
  {&quot;date&quot;:&quot;01.01.2027&quot;,&quot;weekday&quot;:&quot;пт&quot;,&quot;stem&quot;:S,&quot;branch&quot;:B,&quot;animal&quot;:A,
   &quot;dayStar&quot;:N,&quot;officer&quot;:O,&quot;mansion&quot;:M,&quot;clash&quot;:A,&quot;hourStars&quot;:[12 numbers],
   &quot;forChart&quot;:{&quot;clashes&quot;:[&quot;year&quot;|&quot;day&quot;,..],&quot;stars&quot;:[..]}}
The rules are in velmora-chart(1) under DAYS; the dates of the terms and the
solstices are those of Beijing time, as in printed almanacs.
--now takes the present minute on the clock of --place or --tz, or of the
correction, instead of a date and a time.

The client file (~/.local/share/velmora/clients.sqlite, $XDG_DATA_HOME) is the
window&apos;s: --clients lists its clients, CSV (--header names the columns
id,name,sex,date,time,correction,longitude,hemisphere,place,zone,notes) or
--json, an object a line with those keys. --client NAME|ID computes a client&apos;s
chart exactly as if its data were typed (a name several clients share is an
error listing their ids); --luck without a sex takes the client&apos;s. The
--export-clients CSV (RFC 4180, UTF-8, the header
name,sex,date,time,correction,longitude,hemisphere,place,zone,notes; exactly
one of correction and zone) is what --import-clients FILE reads: all of it or,
when any row is bad, none, each bad row named by its line.

--solar-time takes true solar time (local mean time plus the equation of time
at the chart&apos;s moment, from the Swiss Ephemeris) in place of local mean time
everywhere the chart uses it: the chart is the local-mean-time chart at the
clock reading moved by the equation. --day-change 0 keeps the day pillar of
the date from 23:00 to 24:00 (the hour pillar stays the Крыса hour, its stem
following the next day); 23, the default, changes it at 23:00. Both go with
single charts, --batch, --around, --luck, --reading, --days, --client and
--now; a rule that is not the default is named in a line &quot;Правила: ...&quot; above
the table, and --json adds
  &quot;rules&quot;:{&quot;solarTime&quot;:true,&quot;equationMinutes&quot;:-7.12,&quot;dayChange&quot;:0}
only then (equationMinutes with --solar-time only).

--pdf FILE.pdf saves a single chart as the window&apos;s report: the printed page
(with the client&apos;s name above it after --client, and the place line under
the squares), then the reading (--reading), the luck pillars with the years
of the pillar that holds today and the Gua directions (--luck), and the days
(--days) as tables, &quot;стр. 1 из N&quot; at the foot of each page. With --days the
days go to standard output as usual, and --luck and --reading only into the
report. --png FILE.png saves the result area at twice its size.

Exit status: 0 all charts computed; 1 a case failed, or reading the input or
writing the output failed (then a message on standard error); 2 usage error
(one line naming the problem, and a line pointing to --help).
Messages are in Russian under a Russian locale (LANG=ru_RU.UTF-8), else in
English; the chart itself is Russian in every locale.
</source>
        <translation>вызов: velmora-chart ДД.ММ.ГГГГ ЧЧ:ММ [--correction Ч] [--longitude ГГГ:ММ{E|W}]
                     [--json]
       velmora-chart ДД.ММ.ГГГГ ЧЧ:ММ --place ГОРОД [--fold earlier|later]
                     [--json]
       (одна карта принимает также --luck male|female, --reading, --pdf ФАЙЛ,
       --png ФАЙЛ)
       velmora-chart ДД.ММ.ГГГГ ЧЧ:ММ --tz ПОЯС [--longitude ГГГ:ММ{E|W}]
                     [--fold earlier|later] [--json]
       velmora-chart ДД.ММ.ГГГГ ЧЧ:ММ --around МИНУТЫ [параметры места]
                     [--json]
       velmora-chart --batch [--header | --json] [--fold earlier|later]
                     &lt; cases.csv
       velmora-chart [ДД.ММ.ГГГГ ЧЧ:ММ [параметры места]] --days С ПО
                     [--header | --json] [--pdf ФАЙЛ [--luck П] [--reading]]
       velmora-chart --now [параметры места] [параметры одной карты]
       velmora-chart --client ИМЯ|НОМЕР [--luck [male|female]] [--reading] [--json]
       (карты принимают также --solar-time и --day-change 0|23)
       velmora-chart --clients [--header | --json]
       velmora-chart --export-clients &gt; clients.csv
       velmora-chart --import-clients ФАЙЛ

Печатает четыре столпа и квадраты года и месяца для момента по местным
часам. Год пишется четырьмя цифрами; карты вычисляются с 01.01.0001 до начала
весны 3003 года (со 2 по 6 февраля 3003 года по часам, в зависимости от
сдвига), где кончается встроенная эфемерида, а более поздняя дата — ошибка.
Поправка — сдвиг часов от всемирного времени в целых часах (-23..23, по
умолчанию 5) или точный, в виде Ч:ММ или Ч:ММ:СС (5:30, -9:30, 2:30:17:
минуты и секунды двумя цифрами, весь сдвиг в пределах -23..23); долгота по
умолчанию 060:36E.
--place ГОРОД берет долготу и часовой пояс города с этим названием
(русским, латинским или прежним, например Казань, Kazan или Свердловск; из
одноименных — самого крупного, а «Заречный, Свердловская» — того, что в этой
области или стране); на название, которого нет ни у одного города,
печатаются ближайшие. --tz ПОЯС берет поправку из часового пояса IANA
(например Europe/Moscow) и оставляет долготу. Оба берут точный сдвиг часов
на эти дату и время (с учетом летнего времени, прежних смен пояса и сдвигов
вроде +5:30 или местного среднего времени города +2:30:17). Местное время,
которого не было или которое было дважды при переводе часов, — ошибка с
обоими сдвигами, если не выбрать --fold earlier (сдвиг до перевода) или
--fold later (после него); --fold указывается с --place, --tz или --batch.
Выбранное место печатается над таблицей или попадает в JSON как «place».

С --batch каждая строка ввода — ДД.ММ.ГГГГ,ЧЧ:ММ,ПОПР,ГГГ:ММ,П (П — E или W);
вместо ПОПР можно указать пояс IANA: 01.07.1985,10:00,Europe/Moscow,037:37,E.
Каждая строка дает одну строку вывода, по порядку. Пустые строки и строки,
начинающиеся с #, пропускаются; метка порядка байтов UTF-8 в начале не
учитывается; строка длиннее 1000 байт — ошибка. Вывод — CSV (RFC 4180: поле
с запятой, кавычкой или переводом строки берется в кавычки). Строка карты
содержит столбцы
  date,time,correction,longitude,hemisphere,hour,day,month,year,year_square,month_square
случай с ведущими нулями (07.03.1999,09:05,-5,074:00,W), столпы в виде
«ствол ветвь» (ЗЕМ ОГО) и каждый квадрат девятью цифрами по строкам. Строка
ошибки — пять полей случая в том виде, как они прочитаны, «error» и причина.
--header пишет первой строкой названия столбцов, приведенные выше.

--json вместо этого пишет по одному объекту JSON в строке: для карты
  {&quot;input&quot;:CASE,&quot;pillars&quot;:{&quot;hour&quot;:[STEM,BRANCH],&quot;day&quot;:[..],&quot;month&quot;:[..],
   &quot;year&quot;:[..]},&quot;yearSquare&quot;:[[a,b,c],[d,e,f],[g,h,i]],&quot;monthSquare&quot;:[..],
   &quot;solarYear&quot;:N,&quot;solarMonth&quot;:N,&quot;squareYear&quot;:N,&quot;chartJD&quot;:X}
а для ошибки {&quot;input&quot;:CASE,&quot;error&quot;:REASON}. Ввод, не являющийся правильным
UTF-8, и управляющие символы выводятся с U+FFFD на их месте (по одному на
каждую максимальную неправильную подпоследовательность).

--luck male|female (или м|ж) добавляет десятилетние такты удачи и число Гуа.
При стволе года ян (заглавные) у мужского гороскопа или инь у женского такты
идут вперед, у остальных — назад. Первый такт начинается через время от
момента карты до следующей смены месяца (вперед) или предыдущей (назад), в
той шкале, в которой меняется столп месяца карты, по 3 дня = 1 год, 1 день =
4 месяца, 2 часа = 10 дней (1 минута = 2 часа); такт n — n-й сосед столпа
месяца в цикле из шестидесяти, он начинается через 10 (n - 1) лет после
первого. Число Гуа следует году столпа года, который меняется в начале весны:
у мужчин — звезда этого года (5 как 2); у женщин — 15 минус она, приведенное
к 1..9 (5 как 8). --json добавляет
  &quot;luck&quot;:{&quot;direction&quot;:&quot;forward&quot;|&quot;backward&quot;,&quot;start&quot;:{&quot;years&quot;:Y,&quot;months&quot;:M,
   &quot;days&quot;:D,&quot;hours&quot;:H},&quot;startMoment&quot;:&quot;DD.MM.YYYY HH:MM&quot;,&quot;pillars&quot;:[{&quot;stem&quot;:S,
   &quot;branch&quot;:B,&quot;fromAge&quot;:A,&quot;fromYear&quot;:YYYY,&quot;years&quot;:[{&quot;year&quot;:YYYY,&quot;stem&quot;:S,
   &quot;branch&quot;:B},..]},..],&quot;gua&quot;:{&quot;number&quot;:N,&quot;group&quot;:&quot;east&quot;|&quot;west&quot;,
   &quot;favourable&quot;:[&quot;SE&quot;,..],&quot;unfavourable&quot;:[..]}}
С --batch --json шестое поле строки (male, female, м или ж) добавляет к этой
строке объект «luck»; вывод CSV шестого поля не принимает. Текст называет
направления русскими буквами (С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ); JSON сохраняет коды
сторон света.

--reading добавляет после карты (и после тактов удачи) ее разбор: господина
дня, ствол и ветвь каждого столпа по именам, десять божеств ствола и скрытых
стволов ветви, двенадцать фаз Ци, мелодию (на-инь), пустоту, связи между
столпами, символические звезды и стихии, по правилам из velmora-chart(1).
--json добавляет
  &quot;reading&quot;:{&quot;dayMaster&quot;:S,&quot;pillars&quot;:{&quot;hour&quot;:{&quot;stem&quot;,&quot;stemName&quot;,&quot;branch&quot;,
   &quot;branchName&quot;,&quot;god&quot;,&quot;hidden&quot;:[{&quot;stem&quot;,&quot;name&quot;,&quot;god&quot;},..],&quot;stage&quot;,&quot;nayin&quot;,
   &quot;void&quot;},&quot;day&quot;:{..},&quot;month&quot;:{..},&quot;year&quot;:{..}},&quot;void&quot;:{&quot;day&quot;:[..],&quot;year&quot;:[..]},
   &quot;relations&quot;:[{&quot;kind&quot;,&quot;pillars&quot;:[..]},..],&quot;stars&quot;:[{&quot;name&quot;,&quot;from&quot;,
   &quot;pillars&quot;:[..]},..],&quot;elements&quot;:{&quot;visible&quot;:{..},&quot;hidden&quot;:{..}}}
(у дня &quot;god&quot; равен null; &quot;from&quot; — dayStem, yearStem, dayBranch, yearBranch
или monthBranch; столпы — hour, day, month, year), а --batch --json --reading
добавляет его к каждой строке карты.

--around МИНУТЫ (1..1440) перечисляет все разные карты от МИНУТ до момента
до МИНУТ после него, каждую с местным временем по часам, с которого она
действует, и временем начала следующей, с точностью до секунды, и с тем, что
там сменилось (hour, day, month, year, yearSquare, monthSquare). Промежуток
за 01.01.0001 или за последним вычислимым моментом обрезается там, о чем
говорится. Промежуток — реальное время; с --place или --tz каждое время — это
показание часов пояса, а если его сдвиг не тот, что у момента, за ним идет
сдвиг («01:30:00 +3»). --json пишет
  {&quot;input&quot;:CASE,&quot;around&quot;:[{&quot;from&quot;:&quot;DD.MM.YYYY HH:MM:SS&quot;,&quot;to&quot;:..,
   &quot;pillars&quot;:{..},&quot;yearSquare&quot;:..,&quot;monthSquare&quot;:..,&quot;changes&quot;:[..]},..]}
с &quot;cut&quot;:true после обрезки и с &quot;offset&quot; (для from) и &quot;toOffset&quot; (для to)
после &quot;to&quot;, когда показание с другим сдвигом. Без --around --json
заканчивает карту ключом
  &quot;nearestChange&quot;:{&quot;what&quot;:[&quot;hour&quot;,..],&quot;minutes&quot;:M}
— ближайшей к моменту сменой; M отрицательно, если она была раньше.

--days С ПО (даты ДД.ММ.ГГГГ, не более 3660 дней) печатает вместо карты
альманах каждого дня: дату, день недели, знаки ствола и ветви дня и его
животное, летящую звезду дня, офицера, созвездие, животное, с которым день в
столкновении, и двенадцать звезд часов от часа Крысы; после даты и времени (и
параметров места) — также отметки для этой карты: столкновение с ее годом или
днем, Благородный человек, Ямская лошадь, Цветок любви. Вывод CSV, с --header
первой строкой
  date,weekday,stem,branch,animal,day_star,officer,mansion,clash,hour_stars
(и marks, если есть карта), или --json:
  {&quot;date&quot;:&quot;01.01.2027&quot;,&quot;weekday&quot;:&quot;пт&quot;,&quot;stem&quot;:S,&quot;branch&quot;:B,&quot;animal&quot;:A,
   &quot;dayStar&quot;:N,&quot;officer&quot;:O,&quot;mansion&quot;:M,&quot;clash&quot;:A,&quot;hourStars&quot;:[12 чисел],
   &quot;forChart&quot;:{&quot;clashes&quot;:[&quot;year&quot;|&quot;day&quot;,..],&quot;stars&quot;:[..]}}
Правила — в velmora-chart(1), раздел ДНИ; даты переходов — по пекинскому
времени, как в печатных альманахах.
--now берет текущую минуту по часам --place или --tz либо поправки вместо
даты и времени.

Картотека (~/.local/share/velmora/clients.sqlite, $XDG_DATA_HOME) — та же, что
у окна: --clients перечисляет клиентов, в CSV (--header называет столбцы
id,name,sex,date,time,correction,longitude,hemisphere,place,zone,notes) или с
--json — объект в строке с этими ключами. --client ИМЯ|НОМЕР считает карту
клиента в точности так, как если бы его данные были введены (имя нескольких
клиентов — ошибка с их номерами); --luck без пола берет пол клиента. CSV из
--export-clients (RFC 4180, UTF-8, заголовок
name,sex,date,time,correction,longitude,hemisphere,place,zone,notes; ровно
одно из correction и zone) читает --import-clients ФАЙЛ: целиком или, если
есть плохие строки, ничего, называя каждую плохую строку по номеру.

--solar-time берет истинное солнечное время (местное среднее время плюс
уравнение времени в момент карты, по Swiss Ephemeris) вместо местного среднего
везде, где карта его использует: карта — это карта по местному среднему
времени на показание часов, сдвинутое на уравнение времени. --day-change 0
оставляет с 23:00 до 24:00 столп дня этой даты (столп часа остается часом
Крысы, его ствол — от следующего дня); 23, по умолчанию, меняет день в 23:00.
Оба действуют для одной карты, --batch, --around, --luck, --reading, --days,
--client и --now; правило не по умолчанию названо строкой «Правила: ...» над
таблицей, а --json добавляет
  &quot;rules&quot;:{&quot;solarTime&quot;:true,&quot;equationMinutes&quot;:-7.12,&quot;dayChange&quot;:0}
только тогда (equationMinutes — только с --solar-time).

--pdf ФАЙЛ.pdf сохраняет одну карту отчётом, как окно: печатная страница (над
ней имя клиента после --client, под квадратами строка места), затем разбор
(--reading), такты удачи с годами такта, идущего сегодня, и направлениями Гуа
(--luck) и дни (--days) таблицами, внизу каждой страницы «стр. 1 из N». С
--days дни выводятся на стандартный вывод, как обычно, а --luck и --reading
идут только в отчёт. --png ФАЙЛ.png сохраняет область результата в двойном
размере.

Код завершения: 0 — все карты рассчитаны; 1 — случай не удался или не удалось
прочитать ввод или записать вывод (тогда сообщение на стандартный вывод
ошибок); 2 — ошибка использования (одна строка с названием ошибки, затем
совет запустить «velmora-chart --help»).
Сообщения выводятся по-русски при русской локали (LANG=ru_RU.UTF-8), иначе
по-английски; сама карта на русском при любой локали.
</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cannot write the output: %1</source>
        <translation>не удаётся записать вывод: %1</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>не удаётся записать вывод</translation>
    </message>
    <message>
        <source>--days takes two dates DD.MM.YYYY</source>
        <translation>--days принимает две даты ДД.ММ.ГГГГ</translation>
    </message>
    <message>
        <source>--days takes from 1 to %1 days, the first date not after the last</source>
        <translation>--days принимает от 1 до %1 дней, первая дата не позже последней</translation>
    </message>
</context>
</TS>
