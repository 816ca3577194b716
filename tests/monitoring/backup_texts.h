#pragma once

// Texts of the backup and load windows, as the system words them.

constexpr const char* kText21121 = "Обработка резервных копий";
constexpr const char* kText21122 = "~С~тарт";
constexpr const char* kText21123 = "Пре~к~ращение";
constexpr const char* kText21124 = "С~т~ирание";
constexpr const char* kText21125 = "~О~свобождение";
constexpr const char* kText21126 = "~М~аркирование";
constexpr const char* kText21127 = "~Д~емаркирование";
constexpr const char* kText21128 = "Оп~и~сание";
constexpr const char* kText21130 = "~А~втоматически";
constexpr const char* kText21131 = "Успешное активирование резервных копий";
constexpr const char* kText21132 = "Неуспешное активирование резервных копий, состояние %1";
constexpr const char* kText21133 = "Успешная приостановка формирования резервных копий";
constexpr const char* kText21134 =
    "Неуспешная приостановка формирования резервных копий, состояние %1";
constexpr const char* kText21135 = "Формирование резервных копий успешно выполнено";
constexpr const char* kText21136 = "Осуществляется формирование резервных копий, Rec=%1";
constexpr const char* kText21137 = "Успешное добавление операторского описания к резервной копии";
constexpr const char* kText21138 =
    "Неуспешное добавление операторского описания к резервной копии, состояние %1";
constexpr const char* kText21139 = "Активировано автоматическое формирование резервных копий";
constexpr const char* kText21140 = "Деактивировано автоматическое формирование резервных копий";
constexpr const char* kText21141 = "Автоматическое формирование резервных копий - неактивно";
constexpr const char* kText21142 = "Автоматическое формирование резервных копий - активно";
constexpr const char* kText21143 = "Успешное стирание резервных копий";
constexpr const char* kText21144 = "Неуспешное стирание резервных копий, состояние %1";
constexpr const char* kText21145 = "Успешное освобождение резервных копий";
constexpr const char* kText21146 = "Неуспешное освобождение резервных копий, состояние %1";
constexpr const char* kText21147 = "Успешное маркирование резервных копий";
constexpr const char* kText21148 = "Неуспешное маркирование резервных копий, состояние %1";
constexpr const char* kText21149 = "Успешное демаркирование резервных копий";
constexpr const char* kText21150 = "Неуспешное демаркирование резервных копий, состояние %1";
constexpr const char* kText21151 = "Выберите тип резервной копии для запуска";
constexpr const char* kText21152 = "Резервная копия не активирована";
constexpr const char* kText21153 = "Запуск резервной копии %1?";
constexpr const char* kText21154 = "Отправлено сообщение о формировании резервной копии %1";
constexpr const char* kText21155 = "Приостановка формирования текущей резервной копии?";
constexpr const char* kText21156 =
    "Отправлено сообщение о приостановке формирования текущей резервной копии";
constexpr const char* kText21157 = "Не существует резервная копия";
constexpr const char* kText21158 = "%1 резервная копия из %2 %3";
constexpr const char* kText21159 = "Oписание:";
constexpr const char* kText21160 = "Отправлено сообщение об изменении описания";
constexpr const char* kText21161 = "Место хранения резервных копий уже пусто";
constexpr const char* kText21162 = "Резервные копии защищены от стирания (маркированы)";
constexpr const char* kText21163 = "Стирание резервных копий '%1' из %2 %3";
constexpr const char* kText21164 = "Отправлено сообщение о стирании резервных копий";
constexpr const char* kText21165 = "Место хранения резервных копий уже освобождено";
constexpr const char* kText21166 =
    "Нельзя освободить место хранения резервных копий, которое не пусто";
constexpr const char* kText21167 = "Освобождение места хранения резервных копий '%1' из %2 %3";
constexpr const char* kText21168 =
    "Отправлено сообщение об освобождении места хранения резервных копий";
constexpr const char* kText21169 = "Можно маркировать только успешную резервную копию";
constexpr const char* kText21170 = "Резервная копия уже маркирована";
constexpr const char* kText21171 = "Маркирование резервной копии '%1' из %2 %3";
constexpr const char* kText21172 = "Отправлено сообщение о маркировании резервной копии";
constexpr const char* kText21173 = "Резервная копия не маркирована";
constexpr const char* kText21174 = "Демаркирование резервной копии '%1' из %2 %3";
constexpr const char* kText21175 = "Отправлено сообщение о демаркировании резервной копии";
constexpr const char* kText21176 = "~A~ктивирование";
constexpr const char* kText21177 = "~Д~езактивирование";
constexpr const char* kText21178 = "~С~остояние";
constexpr const char* kText21179 = "~О~бзор";
constexpr const char* kText21180 =
    "Выбор активностей в связи с автоматическим формированием резервных копий";
constexpr const char* kText21181 = "Активирование автоматического формирования резервных копий";
constexpr const char* kText21182 = "Дезактивирование автоматического формирования резервных копий";
constexpr const char* kText21183 = "Состояние автоматического формирования резервных копий";
constexpr const char* kText21184 = "Время производства автоматических резервных копий";
constexpr const char* kText21185 = "Обработка загрузки";
constexpr const char* kText21186 = "~С~тарт";
constexpr const char* kText21187 = "Пре~к~ращение";
constexpr const char* kText21188 = "Успешный запуск загрузки";
constexpr const char* kText21189 = "Неуспешный запуск загрузки, состояние %1";
constexpr const char* kText21190 = "Успешная приостановка загрузки";
constexpr const char* kText21191 = "Неуспешная приостановка загрузки, код %1";
constexpr const char* kText21192 = "Загрузка успешно выполнена";
constexpr const char* kText21193 = "Загрузка записи %1 из %2";
constexpr const char* kText21194 = "Не существует резервная копия";
constexpr const char* kText21195 = "Формирование резервных копий неуспешно (Status!=bstsUspesan)";
constexpr const char* kText21196 = "Выберите вид загрузки";
constexpr const char* kText21197 = "Несуществующий вид резервной копии";
constexpr const char* kText21198 =
    "Средства резервирования не имеют все необходимые таблицы для загрузки (%1)";
constexpr const char* kText21199 = "~Р~аботающий CP";
constexpr const char* kText21200 = "Выберите CP для загрузки";
constexpr const char* kText21201 = "Нельзя выполнить большую загрузку на работающий CP";
constexpr const char* kText21202 = "Отправлено сообщение для старта загрузки";
constexpr const char* kText21203 = "Прекращение загрузки?";
constexpr const char* kText21204 = "Отправлено сообщение для прекращения загрузки";
