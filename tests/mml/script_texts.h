#pragma once

// The script texts as the operator reads them; %1, %2, %3 stand for the arguments.

inline const char* const kScriptText21007 = "Не существует команда '%1'";
inline const char* const kScriptText21009 = "Слишком много параметров в команде";
inline const char* const kScriptText21010 = "Слишком мало параметров в команде";
inline const char* const kScriptText21011 = "Параметр '%1' вне диапазона";
inline const char* const kScriptText21019 = "Один скрипт - '%1' - уже выполняется";
inline const char* const kScriptText21020 = "Не существует файл '%1'";
inline const char* const kScriptText21021 = "Не получен ожидаемый ответ при выполнении скрипта MML '%1', строка %2";
inline const char* const kScriptText21022 = "Ошибка в выполнении скрипта MML '%1', строка %2";
inline const char* const kScriptText21023 = "Синтаксическая ошибка в скрипте MML '%1', строка %2";
inline const char* const kScriptText21024 = "Слишком длинная команда (больше %1 знаков) в скрипте MML '%2', строка %3";
inline const char* const kScriptText21025 = "Не закончена команда в конце скрипта MML '%1', строка %2";
inline const char* const kScriptText21026 = "В скрипте MML '%1', ряд %2, задано выполнение скрипта '%3'";
inline const char* const kScriptText21027 = "Слишком большая глубина (%1) скрипта MML. Oсновной скрипт '%2'.";
inline const char* const kScriptText21028 = "Успешно закончено выполнение подскрипта MML '%1'";
inline const char* const kScriptText21029 = "Успешно закончено выполнение скрипта MML '%1'";
inline const char* const kScriptText21030 = "Выполнение скриптa MML";
inline const char* const kScriptText21031 = "'%1' строка: %2";
inline const char* const kScriptText21032 = "Ни один из скриптов MML не выполняется в данный момент";
inline const char* const kScriptText21033 = "Останавливается выполнение скрипта '%1'";
inline const char* const kScriptTextNoTimerAtStart = "Нет свободного таймера, скрипт MML '%1' не запущен";
inline const char* const kScriptTextNoTimerInStep =
    "Нет свободного таймера, прервано выполнение скрипта MML '%1', строка %2";
inline const char* const kStopScriptQuestion = "Da li hocete da prekinete izvrsavanja MML skripta?";
