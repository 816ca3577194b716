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
