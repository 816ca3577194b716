#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target: small valid inputs, built here
field by field as the workstation's readers expect them.

    make_seeds.py DIR          writes DIR/<target>/<seed> for every seed
    make_seeds.py --check DIR  compares DIR with what it would write: every
                               seed there byte for byte, and every other file
                               named crash_* (an input that once crashed a
                               target, kept as found); exit 1 otherwise

Texts of the workstation are code page 1251; binary fields are little-endian.
"""

import os
import struct
import sys
import tempfile


def cp(text):
    return text.encode("cp1251")


def u8(v):
    return struct.pack("<B", v & 0xFF)


def u16(v):
    return struct.pack("<H", v & 0xFFFF)


def u32(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def f64(v):
    return struct.pack("<d", v)


def padded(data, size):
    assert len(data) <= size
    return data + bytes(size - len(data))


# ---- link: frames and card blocks

OWN_ADDRESS = 28673  # the workstation of the fuzz router
OTHER_WORKSTATION = 28674
EXCHANGE = 16408
CARD_ENTRY_MARKER = b"\x55"


def frame(type_, code, payload=b"", destination=OWN_ADDRESS, source=EXCHANGE,
          reserved=b"\0\0\0", length=None):
    """A bus frame: length (of what follows it), type, destination, source,
    three reserved bytes, code, payload."""
    if length is None:
        length = 9 + len(payload)
    return u16(length) + u8(type_) + u16(destination) + u16(source) + reserved + u8(code) + payload


def card_block(*entries, end=True):
    """A block as the card hands it over: each frame followed by its marker,
    then a zero length that ends the block."""
    return b"".join(entries) + (u16(0) if end else b"")


def link_seeds():
    yield "link_frame", "empty_payload", frame(0x8E, 0x23)
    yield "link_frame", "numbered", frame(0x99, 0x89, b"\x05\x00\x00", reserved=b"\x10\x20\x00")
    yield "link_frame", "relayed", frame(0x96, 0x07, b"\x01\x02\x03", destination=OTHER_WORKSTATION)
    yield "link_frame", "short_length", frame(0x88, 0x01, length=3)
    yield "link_frame", "text_line", frame(0x88, 0xFF, cp("Конец работы") + b"\0")

    yield "card_block", "empty", card_block()
    yield "card_block", "no_marker", card_block(frame(0x96, 0x01, b"xy"))
    yield "card_block", "one_frame", card_block(frame(0x88, 0xFF, b"OK\0") + CARD_ENTRY_MARKER)
    yield "card_block", "two_frames", card_block(
        frame(0x96, 0x01, b"ab") + CARD_ENTRY_MARKER,
        frame(0x96, 0x02, destination=OTHER_WORKSTATION) + CARD_ENTRY_MARKER)

    # Coded catalogue messages: the text number, then "$"-separated fields.
    coded = ["21021$test.mml$12", "7076$20005$3", "21236$9$5$7$20001$21021$a.mml$3", "21021",
             "7076$-1$4294967295", "21021$x$1.5e3"]
    for i, text in enumerate(coded):
        yield "coded_message", "msg%d" % i, text.encode("ascii")


# ---- MML statements and scripts

def mml_seeds():
    # Real command titles with arguments that bind to their parameters,
    # positional and named (an MML parameter name is the field's label).
    statements = {
        "konfig_positional": "Конфигурация OR:1,2;",
        "konfig_named": "Конфигурация OR:Номер OR=2,Тип OR=1;",
        "konfig_unknown_names": 'Конфигурация OR: A=1, B="x,y";',
        "script": "Скрипт MML: a.mml;",
        "monitor_table": "Контроль таблицы: 0, 77, 0, 0;",
        "block_group": "Ввод контроля: 3, 10;",
        "password": 'Изменение пароля: "1234567", 1234;',
        "observation": "Запуск наблюдения: Ruta1;",
        "stat_file": "Стирание статистического файла - ОР: 1;",
        "no_args": "Останов выполнения скриптa MML;",
        "quoted": 'ime: "a;b", c = "d" ;',
    }
    for name, text in statements.items():
        yield "mml_statement", name, cp(text)

    scripts = {
        "answers": 'odgovor: "OK";\nodgovor-vk: 100, "a", "b";\nКонфигурация OR: 5;\n',
        "plain": "# a script\nКонфигурация OR: 1;\n\nime:\n  2,\n  3; rest\n",
        "subscript": 'izvrsi: "druga.mml";\n# "not a comment end\nx: "#";\n',
        "unfinished": "ime: 1,\n2,\n",
    }
    for name, text in scripts.items():
        yield "mml_script", name, cp(text)


# ---- files

# The letters the INI target draws section and key names from, by index.
INI_NAME_ALPHABET = cp("AbcZ09_\\. -АаБбЁё")


def ini_seed(section, key, value, number, text):
    """The INI target's input: the section and key (as indexes into its
    alphabet), the value to write, the integer to write, then the file."""
    section_bytes = bytes(INI_NAME_ALPHABET.index(c) for c in cp(section))
    key_bytes = bytes(INI_NAME_ALPHABET.index(c) for c in cp(key))
    value_bytes = cp(value)
    return (u8(len(section_bytes)) + u8(len(key_bytes)) + section_bytes + key_bytes +
            u8(len(value_bytes)) + value_bytes + u32(number) + cp(text))


ROUTES_INI = ("[Usmeravanja]\nBrojORa=28673\nBrojUsmeravanja=1\n[Usmeravanja\\Usmerenje1]\n"
              "Usmeravanje=Lokal\nDPC=28673\n")


def ini_seeds():
    yield "ini_file", "empty_file", ini_seed("b", "c", "", 0, "")
    yield "ini_file", "existing_key", ini_seed("Abc", "Z0", "12", 7, ROUTES_INI)
    yield "ini_file", "cyrillic_case", ini_seed("аБ", "бЁ", "значение", 5, "[АБ]\nА=1\n")
    yield "ini_file", "new_section", ini_seed(
        "99", "_", "  spaced value  ", -1, "; comment\n[A]\nx=1\n\n[B]\n")
    yield "ini_file", "no_final_newline", ini_seed("A", "A", "v", 0x1000, "[A]\nk=old")


def table_contents_seeds():
    yield "table_contents", "routes", (
        b"\n// Sadrzaj tabela\n\n::Ruta\n//comment\n"
        b"  1, Ime1, 0, 1, 0, 0, 0, 0, 0\n  2, Ime2, 0, 1, 0, 0, 0, 0, 0\n\n// Kraj")
    yield "table_contents", "crlf", b"::Ruta\r\n  \r\n  3, Ime3, 0, 1, 0, 0, 0, 0, 0"
    yield "table_contents", "koorx", b"::KOORX\n//KOORX,TipKOORXa\n      1,eKOOR\n"
    yield "table_contents", "unknown", b"::Nema\n1,2\n"


TT_RECORD_SIZE = 98


def tt_record(subscriber, dialled, calling, start, end, co, cd, ts, tk, operator, price, pulses,
              currency, head=1):
    """A call-diagnostics record: numbers as zero-padded texts, start and end
    as (day, seconds), the price and pulses as doubles."""
    record = (u8(head) + padded(subscriber, 9) + padded(dialled, 28) + padded(calling, 16) +
              u32(start[0]) + u32(start[1]) + u32(end[0]) + u32(end[1]) + u8(co) + u8(cd) +
              u16(ts) + u16(tk) + u16(operator) + f64(price) + f64(pulses) +
              padded(currency, 4))
    assert len(record) == TT_RECORD_SIZE
    return record


def record_file_seed(size_byte, per_page_byte, pages_byte, data):
    """The record-file target's input: record size (0: call-diagnostics
    records), records per page and pages of the cache, then the file."""
    return u8(size_byte) + u8(per_page_byte) + u8(pages_byte) + data


def record_file_seeds():
    yield "record_file", "empty", record_file_seed(1, 1, 1, b"")
    yield "record_file", "partial", record_file_seed(7, 2, 2, b"abcdefghijklmnopq")
    yield "record_file", "stat_like", record_file_seed(40, 3, 1, bytes(range(200)))
    tt = tt_record(b"1234567", b"0112345678", b"0113", (9500, 3600), (9500, 3700), 1, 2, 3, 4, -1,
                   1.5, 3.0, b"RSD")
    yield "record_file", "tt_records", record_file_seed(0, 4, 2, tt + tt[:50])


STAT_RECORD_SIZE = 169
STAT_EVENT_AREA = 150


def stat_event(kind, values=b"", delta=None):
    """One event item: a header (bit 7: a time delta follows the kind; the
    rest: the item's length), the kind, the delta, the values its display
    template reads."""
    item = u8(kind) + (u16(delta) if delta is not None else b"") + values
    return u8(len(item) | (0x80 if delta is not None else 0)) + item


def stat_record(call_number, events, time_of_day, marker=0):
    area = b"".join(events)
    return (u16(call_number) + bytes(11) + padded(area, STAT_EVENT_AREA) + u8(len(area)) +
            u32(time_of_day) + u8(marker))


def stat_seeds():
    # Kinds by their templates: 0 "%c %l", 4 "%s", 9 "%c %s", 30 "%d",
    # 33 "%h %al", 41 six "%s".
    call = stat_record(5, [
        stat_event(0, u8(2) + u32(1234)),
        stat_event(4, b"0112345678\0", delta=3),
        stat_event(9, u8(1) + b"Ruta1\0", delta=2),
        stat_event(30, f64(2.5), delta=1),
        stat_event(33, u16(7) + u8(3) + u32(1) + u32(2) + u32(3), delta=4),
        stat_event(41, b"a\0b\0c\0d\0e\0f\0"),
    ], 7200)
    second = stat_record(6, [stat_event(10, u8(1), delta=0), stat_event(3, u8(0) + u32(9))], 7300)
    assert len(call) == STAT_RECORD_SIZE
    yield "stat_file", "call", call + second
    yield "stat_file", "time_mark", stat_record(-1, [], 3600)
    yield "stat_file", "partial", stat_record(7, [stat_event(5, u8(1))], 60)[:100]


# ---- replication

def message(type_, payload=b""):
    """One message of the replication target: type, word length, payload."""
    return u8(type_) + u16(len(payload)) + payload


RM_TRN_LIST, RM_BEGIN_TABLE, RM_END_TABLE = 129, 130, 132
RM_BUFFER_PIECE, RM_WRITE_BUFFER, RM_EMPTY_TABLE = 133, 134, 135
RM_NOTIFICATION, RM_UPDATE_COMPLETE, RM_COUNTERS = 137, 138, 141
RM_FIRST_PACKET, RM_NEXT_PACKET = 143, 144
ROUTE_TABLE = 77


def trn_list():
    return message(RM_TRN_LIST, u8(0) + u16(0))


def replication_seeds():
    yield "replication", "trn_list", trn_list()
    yield "replication", "begin_end", (
        trn_list() + message(RM_BEGIN_TABLE, u16(ROUTE_TABLE) + u32(0)) +
        message(RM_END_TABLE, u16(ROUTE_TABLE)) + message(RM_UPDATE_COMPLETE))
    yield "replication", "empty_table", (
        trn_list() + message(RM_EMPTY_TABLE, u16(ROUTE_TABLE)) + message(RM_UPDATE_COMPLETE))
    yield "replication", "buffer", (
        trn_list() + message(RM_BUFFER_PIECE, u16(ROUTE_TABLE) + u16(4) + b"abcd") +
        message(RM_WRITE_BUFFER, u16(ROUTE_TABLE)) + message(RM_COUNTERS, bytes(207)))
    # Notifications: event number, table, id, mask, field, row, then the
    # data the event needs (here the record of an insert).
    def notification(number, table, field, row, data=b""):
        return message(RM_NOTIFICATION, u8(number) + u16(table) + u16(0) + u8(0) + u16(field) +
                       u32(row) + data)

    yield "replication", "events", (
        trn_list() + notification(1, ROUTE_TABLE, -1, 0, u16(1) + padded(b"Ime1", 45)) +
        notification(4, ROUTE_TABLE, -1, 0) + notification(6, 1, -1, -1))

    # Packets: a count (first packet) or number (next), then the joined data:
    # sub-messages {word length with its own three bytes, type, body}.
    def sub_message(type_, body=b""):
        return u16(3 + len(body)) + u8(type_) + body

    done = sub_message(RM_UPDATE_COMPLETE)
    yield "replication", "packets", (
        trn_list() + message(RM_FIRST_PACKET, u8(1) + done + sub_message(0x96, bytes(10))) +
        message(RM_FIRST_PACKET, u8(2) + done * 3) + message(RM_NEXT_PACKET, u8(2) + done))


# ---- decoders of received payloads and report texts

ALARM_ROW_SIZE = 101
ALARM_PARAM_SIZE = 81


def alarm_row(kind, processor, params, state, level, description, day, seconds, ident):
    """A record image of the alarm table: kind, processor, "$"-separated
    arguments of the description, state, level, description text number,
    day, seconds of the day, unique number."""
    row = (u16(kind) + u16(processor) + padded(params, ALARM_PARAM_SIZE) + u8(state) + u8(level) +
           u16(description) + u32(day) + u32(seconds) + u32(ident))
    assert len(row) == ALARM_ROW_SIZE
    return row


def decoder_seeds():
    # Alarm counts: a leading byte, then A1, A2 and the third count.
    yield "alarm_rows", "counts", b"\0" + u16(3) + u16(120) + u16(0)
    first = alarm_row(12, EXCHANGE, b"20005$3", 0, 1, 7076, 9500, 3600, 1)
    yield "alarm_rows", "one_row", first
    yield "alarm_rows", "full_params", alarm_row(1, 1, b"x" * ALARM_PARAM_SIZE, 0, 1, 7076, 1,
                                                 1, 1)
    yield "alarm_rows", "three_rows", (
        first + alarm_row(12, EXCHANGE, b"20005$4", 1, 2, 7076, 9501, 7200, 2) +
        alarm_row(3, -5, b"", 2, 4, 21021, 1, 0, 3))

    # ISUP: parameter code, length, value; the optional part is a run of
    # them ended by a zero code.
    yield "isup", "called", b"\x04\x05\x83\x10\x21\x43\x05"
    yield "isup", "cause", b"\x12\x02\x80\x90"
    yield "isup", "optional", b"\x0a\x04\x03\x13\x21\x43" + b"\x31\x02\x02\x00" + b"\x12\x02\x80\x90" + b"\0"
    yield "isup", "truncated", b"\x0a\x09\x03"

    # Line-test results: the decoders read them from every starting place.
    yield "line_test", "voltages", (b"\x10\x20\x30\x40" + bytes(range(1, 13))) * 3
    yield "line_test", "digits", b"\x03\x21\x43\x65\x87\xa9" + bytes(range(16))
    yield "line_test", "pattern", bytes(range(64))

    yield "html_to_text", "report", (
        b"<html><head><title>Izvestaj</title></head><body>"
        b"<p>a &lt; b &amp; c&nbsp;d &gt; e</p><br>" + cp("Отчёт") + b" &unknown; &amp"
        b"</body></html>")
    yield "html_to_text", "entities", b"&lt;&gt;&amp;&nbsp;&;&" + b"x" * 130 + b";"
    yield "html_to_text", "tags", b'<a href="x>y">link</a><<>>'


# ---- watch-window files

def watch_file(rows, count=None):
    """A watch window's file: the row count, then each row's statement and
    period (None: no period line)."""
    text = "[ProzorZaPracenjeStanja]\n"
    if count is not None:
        text += "BrojRedova=%d\n" % count
    for i, (statement, period) in enumerate(rows, 1):
        text += "[Red_%d]\nMML=%s\n" % (i, statement)
        if period is not None:
            text += "Period=%s\n" % period
        elif i < len(rows):
            text += "\n"
    return cp(text)


def watch_seeds():
    load = "Нагрузка СР;"
    yield "watch_file", "no_count", watch_file([])
    yield "watch_file", "two_rows", watch_file([(load, 1000), ("Нагрузка СР: 1;", 5000)], 2)
    yield "watch_file", "twelve", watch_file([(load, 1000)] * 12, 12)
    yield "watch_file", "error_rows", watch_file([("НЕТ;", 70), (load, None), (load, -5)], 3)


def all_seeds():
    for maker in (link_seeds, mml_seeds, ini_seeds, table_contents_seeds, record_file_seeds,
                  stat_seeds, replication_seeds, decoder_seeds, watch_seeds):
        yield from maker()


def write(root):
    for target, name, data in all_seeds():
        os.makedirs(os.path.join(root, target), exist_ok=True)
        with open(os.path.join(root, target, name), "wb") as f:
            f.write(data)


def check(root):
    """Lists every difference between root and the seeds; True when none."""
    problems = []
    seeds = {}
    for target, name, data in all_seeds():
        seeds[(target, name)] = data
    for (target, name), data in sorted(seeds.items()):
        path = os.path.join(root, target, name)
        if not os.path.isfile(path):
            problems.append("%s/%s: missing" % (target, name))
            continue
        with open(path, "rb") as f:
            if f.read() != data:
                problems.append("%s/%s: not as the script makes it" % (target, name))
    for target in sorted(os.listdir(root)):
        for name in sorted(os.listdir(os.path.join(root, target))):
            if (target, name) not in seeds and not name.startswith("crash_"):
                problems.append("%s/%s: neither a seed nor a crash_ input" % (target, name))
    for p in problems:
        print(p)
    return not problems


def main(argv):
    if len(argv) == 3 and argv[1] == "--check":
        return 0 if check(argv[2]) else 1
    if len(argv) == 2:
        write(argv[1])
        return 0
    print(__doc__.strip(), file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
