#pragma once

// Texts the operator reads, as the system words them.

constexpr const char* kText21221 = "Запуск повторного обновления?";
constexpr const char* kText26141 = "Повторно получен блок %1";
constexpr const char* kText26140 = "AR отправил незапрашиваемое сообщение";
constexpr const char* kText26142 = "Рассчитанный CRC нa OR различается oт CRC от AR";
constexpr const char* kText25014 = "Успешное стирание случая %1";
constexpr const char* kText25013 = "Неуспешное стирание случая %1";
constexpr const char* kText23251 = "Ошибка при записи";
constexpr const char* kText23318 = "Формирование отчета ТТ невозможно. Не существует файл '%1'.";
constexpr const char* kText23315 = "Неправильно задано число. Формат числа - дд.мм.гг";
constexpr const char* kText23316 = "Неправильно задано количество импульсов. Сделать новую попытку";
constexpr const char* kText23319 =
    "Начато формирование отчета ТТ. Общее число записей в файле '%1': %2.";
constexpr const char* kText23320 =
    "Oбработанo %1 %2 файла '%3' за %4 с. Число записей в отчете: %5.";
constexpr const char* kText23321 =
    "Формирование отчета ТТ закончено за %1 с. Число записей в отчете: %2.";
constexpr const char* kText23322 = "Число записей в течение одной обработки: мин. %1, макс. %2.";
constexpr const char* kText23323 = "Прекращено формирование отчета ТТ.";
constexpr const char* kText23324 =
    "Хотите ли Вы видеть ТТ отчет? \nВНИМАНИЕ: считывание может продолжаться\nочень долго, в "
    "зависимости от\nскорости Вашего компьютера.";
constexpr const char* kText23300 = "Отчет о диагностике вызовов";
constexpr const char* kText23301 = " Все абоненты";
constexpr const char* kText23303 = "   Все набираемые номера";
constexpr const char* kText23305 = "          Все вызывающие";
constexpr const char* kText23306 = "          Все даты";
constexpr const char* kText23307 = "          С: %1";
constexpr const char* kText23308 = "          По: %1";
constexpr const char* kText23297 = "          Для абонентов: %1";
constexpr const char* kText23302 = "  Набираемые номера: %1";
constexpr const char* kText23304 = "    Вызывающие: %1";
constexpr const char* kText23309 = "   Содержит импульсов не менее: %1";
constexpr const char* kText23311 =
    "Абонент        Набираемый номер        Вызывающий     Время начала       Время окончания      "
    " CO   CD   TS  TK   Опер  Количество импуьсов";
constexpr const char* kText23314 = "Всего записей в отчете: %1 ";
constexpr const char* kText23326 =
    "Абонент|     Набираемый номер    | Вызывающий|  Час начала  |   Час окончания  | CO| CD| ТС| "
    "ТК|Число импульсов";
constexpr const char* kText22018 = "Функции невозможно выполнить - таблица %1 несогласована";
constexpr const char* kText23248 = "Пуста таблица тарифных счетчиков";
constexpr const char* kText23249 = "Недействительный диапазон абонента";
constexpr const char* kText23250 = "PC  СЧЕТЧИКИ ДАТА: %02d %02d %02d END 000 000 000 000 0000";
constexpr const char* kText23252 = "Успело је снимање тарифних бројача у датотеку '%1'.";
constexpr const char* kText23253 = "Није успело снимање тарифних бројача у датотеку '%1'.";
constexpr const char* kText21034 = "Окно наблюдения %1";
constexpr const char* kText21035 = "Уже открыто максимальное количество (%1) окон наблюдения.";
constexpr const char* kText21036 = "Не хватает пространства для создания нового окна.";
constexpr const char* kText21018 = "Синтаксическая ошибка в команде MML";
constexpr const char* kText21043 = "Период: %1с";
constexpr const char* kText21046 = "Удалить наблюдение?";
constexpr const char* kText21047 = "Команда не предусмотрена для наблюдения.";
constexpr const char* kText21048 = "Заданная команда не существует.";
constexpr const char* kText21052 = "Достигнуто максимальное количество строк (%1).";
constexpr const char* kText21053 = "Неспешный ввод данного в файл %1!";
constexpr const char* kText21054 = "Не существует файл '%1'";
constexpr const char* kText21055 = "Количество строк (%1) превышает допустимый уровень (%2)";
constexpr const char* kText21056 = "Нерегулярное значение относительно 'BrojRedova' в файле %1!";
constexpr const char* kText21059 =
    "Ввод данного наблюдения отменяется. Период выполнения должен превышать нуль.";
constexpr const char* kText21060 = "Ввод команды отменяется. Ошибка при первом выполнении.";
constexpr const char* kText21061 = "ОШИБКА %1: %2";
constexpr const char* kText21064 =
    "Файл '%1' уже существует. Сохранить новый файл и стереть существующий?";
constexpr const char* kText21065 = "Запись отменяется. Перечень наблюдения - пустой.";
constexpr const char* kText21066 = "Успешный ввод параметров из файла '%1'.";
constexpr const char* kText21067 = "Успешное сохранение параметров в файл '%1'.";
constexpr const char* kText21068 = "Введите команду";
constexpr const char* kText21069 = "Введите период";
constexpr const char* kText21070 = "Неправильно введен период";
constexpr const char* kText23255 = "Передача диагностики начинается";
constexpr const char* kText23256 =
    "Передача TT производится. Передано: %1 %2 за: %3 сек. до окончания осталось: %4 сек.";
constexpr const char* kText23257 =
    "Передача диагностики окончена. Количество переданных записей: %1 за %2 сек.";
constexpr const char* kText23258 = "Передача диагностики уже производится ";
constexpr const char* kText23268 = "Число начала передачи неправильно задано. Meсяц имеет 30 дней.";
constexpr const char* kText23269 =
    "Дата начала передачи неправильно задана. Значения, относящиеся к числу могут быть: 1 дo 31.";
constexpr const char* kText23270 =
    "Дата начала передачи неправильно задана. Значения, относящиеся к месяцу могут быть: 1 дo 12.";
constexpr const char* kText23271 =
    "Дата начала передачи неправильно задана. Значения, относящиеся к году могут быть: oт 1900 дo "
    "2100.";
constexpr const char* kText23272 = "Дата конца передачи неправильно задана. Meсяц имеет 30 дней.";
constexpr const char* kText23273 =
    "Дата конца передачи неправильно задана. Значения, относящиеся к числу могут быть: 1 дo 31.";
constexpr const char* kText23274 =
    "Дата конца передачи неправильно задана. Значения, относящиеся к месяцу могут быть: 1 дo 12.";
constexpr const char* kText23275 =
    "Дата конца передачи неправильно задана. Значения, относящиеся к году могут быть: oт 1900 дo "
    "2100.";
constexpr const char* kText23276 = "Дата передачи неправильно задана. Год не является високосным.";
constexpr const char* kText23277 =
    "Дата передачи неправильно задана. Февраль имеет 28 или 29 дней.";
constexpr const char* kText23278 = "Заданное число начала передачи больше числа конца передачи.";
constexpr const char* kText23280 = "Получена неожидаемая запись %1 диагностики";
constexpr const char* kText23281 = "Ошибка в приеме файла диагностики вызова";
constexpr const char* kText23282 = "Неуспешное стирание существующего файла '%1'";
constexpr const char* kText23283 = "Неуспешное формирование буфера";
constexpr const char* kText23284 =
    "Закончена передача ТТ записей из файла номер %1 (переданных записей: %2).";
constexpr const char* kText23285 =
    "Передача диагностики вызовов прекращена. Число введенных записей: %1 (%3 %2).";
constexpr const char* kText23287 = "Запуск передачи диагностики вызовов не произведен";
constexpr const char* kText23289 = "Передача диагностики вызовов в данный момент не производится";
constexpr const char* kText23290 = "Настоящее состояние передачи диагностики вызовов составляет:";
constexpr const char* kText22068 = "Ошибка при блокировке абонентa: %1 ";
constexpr const char* kText22083 = "Ошибка при снятии блокировки абонентa номер: %1";
constexpr const char* kText22097 = "Правильнo указаны абоненты для блокировки согласно файлу %1";
constexpr const char* kText22098 = "Закончена посылка запроса блокировки согласно файлу";
constexpr const char* kText22099 = "Нe задано имя файла";
constexpr const char* kText22100 = "Блокировка абонентa: %1";
constexpr const char* kText22102 =
    "Правильнo указаны абоненты для снятия блокировки согласно файлу %1";
constexpr const char* kText22103 = "Закончена посылка запроса снятия блокировки согласно файлу";
constexpr const char* kText22104 = "Снятие блокировки абонентa: %1";
constexpr const char* kText21639 =
    "Подождите, чтобы согласовать таблицу программ, потом повторите команду";
constexpr const char* kText21640 = "Несуществующий номер программы";
constexpr const char* kText21643 = "Активирована замена программы";
constexpr const char* kText21644 = "Замена программы успешно выполнена";
constexpr const char* kText21645 = "Замена программы уже выполняется, подождите";
constexpr const char* kText21646 = "Неуспешное открытие файла с программой";
constexpr const char* kText21647 = "Oтказан ввод программы на CP";
constexpr const char* kText21648 = "Неуспешная замена программы - истек контроль времени";
constexpr const char* kText21649 = "Неуспешная замена программы - плохой ceksum";
constexpr const char* kText21042 = "Команда: %1";
constexpr const char* kText25015 = "Занята функция";
constexpr const char* kText25016 = "Неуспешное открытие файла!";
constexpr const char* kText25017 = "Обзор стат. случая %1 от %2:%3 дo %4:%5";
constexpr const char* kText25018 = "Всего: %1 разговоров";
constexpr const char* kText25019 = "Ошибка в файле!";
constexpr const char* kText25087 = " В.занят.| |   ВПС| В.маршрут |  Полученные цифры|K| |   ИПС| И.маршрут |    Отправленные цифры|В.прокл.|EOS|С|От.| Taриф | В.разр.|Oс.|  В.oсв.|d|o|I";
constexpr const char* kText25089 = "МЕСТНЫЙ";
constexpr const char* kText25090 = "НЕОПР";
constexpr const char* kText25092 = "Просмотр прекращен";
constexpr const char* kText25093 = "Просмотр не запущен";
constexpr const char* kText25094 = "Пустой файл";
constexpr const char* kText25095 = "Соответствующий файл не существует";
constexpr const char* kText25096 = "Виды трафика - Занята функция";
constexpr const char* kText25097 = "Виды трафика, стат.случай %1, oт %2:%3 дo %4:%5";
constexpr const char* kText25098 = "     Трафик      |У/Н|Число вызовов|Ср.п.отв+разг.|Трафик(E)";
constexpr const char* kText25100 = "Местный(Абон.-Абон.)";
constexpr const char* kText25101 = "Исходящие(Абон.-СЛ)";
constexpr const char* kText25102 = "Абон.-ДРИ";
constexpr const char* kText25103 = "Абон.-Незанят. ИПС";
constexpr const char* kText25104 = "Входящие";
constexpr const char* kText25105 = "Tранзитные";
constexpr const char* kText25106 = "СЛ-ДРИ";
constexpr const char* kText25107 = "СЛ-Незанят. ИПС";
constexpr const char* kText25108 = "ДРИ-Абонент";
constexpr const char* kText25109 = "ДРИ-СЛ";
constexpr const char* kText25110 = "ДРИ - ДРИ";
constexpr const char* kText25111 = "ДРИ-Незанят. ИПС";
constexpr const char* kText25112 = "У";
constexpr const char* kText25113 = "Н";
constexpr const char* kText25117 = "Успех соединения по адресу назначения - Занята функция";
constexpr const char* kText25119 = "Успех соединения, Стат.случай %1, oт %2:%3 дo %4:%5";
constexpr const char* kText25120 = "Назн.| Вызовы| без CS|    EOS|Б своб.|%Б св.| Ответ| %Отв.| Прочее|Рег.эт.| О.отв|  Разг.";
constexpr const char* kText25121 = "-----сводный обзор---------------------------------------------------------------------";
constexpr const char* kText25122 = "Назн.|EOS|Вызовы|   %   |Причина разрушения";
constexpr const char* kText25123 = "-----сводный обзор------------------------";
constexpr const char* kText25130 = "Неожиданное событие в файле, вероятно имеется ошибкa. Точность данных под знаком вопроса.";
constexpr const char* kText25131 = "Соответствующий файл не существует";
constexpr const char* kText25132 = "Успех соединения, стат.случай %1, oт %2:%3 дo %4:%5";
constexpr const char* kText25133 = " Маршрут   | Вызовы| без CS|    EOS|Б своб.|%Б св.| Ответ| %Отв.| Прочее|Рег.эт.| О.отв.|  Разг";
constexpr const char* kText25134 = " Маршрут   |EOS|Вызовы|   %   |Причина разрушения";
constexpr const char* kText25139 = "Успех соединения по маршруту - Занята функция";
constexpr const char* kText25140 = "-----сводный обзор---------------------------------------------------------------------";
constexpr const char* kText25141 = "-----сводный обзор------------------------";
constexpr const char* kText25142 = "Неожиданное событие в файле, вероятно имеется ошибкa. Точность данных под знаком вопроса.";
constexpr const char* kText25020 = "Занят DPT(%c):%l";
constexpr const char* kText25022 = "Полученыe:%s";
constexpr const char* kText25029 = "Занята цепь %h, MV: %al";
constexpr const char* kText25035 = "Б свободен";
constexpr const char* kText25036 = "Ответ | ";
constexpr const char* kText25037 = "Taриф(%d)";
constexpr const char* kText25061 = "Ожидается состояние вызываемого | ";
constexpr const char* kText25118 = "Соответствующий файл не существует";
