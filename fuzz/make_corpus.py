#!/usr/bin/env python3
"""Writes the checked-in seed corpus of the fuzz targets into fuzz/corpus/<target>/.

Seeds are small real inputs: the amplifier's answers as it frames them (format 97,
address 1, the request's signature, acknowledge code 0), a format-65 frame, streams
with junk and partial frames, typed frequencies and times, and settings files in
UTF-8 and Windows-1250 with comments, duplicates and junk. Run it again after a
change; it rewrites every seed and removes nothing else.
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent / "corpus"


def frame97(signature, data, instruction=0, address=1):
    num = len(data) + 5
    head = bytes([0x2A, 0x61, num >> 8, num & 0xFF, address, signature, instruction])
    body = head + bytes(data)
    checksum = (0xFF - sum(body)) & 0xFF
    return body + bytes([checksum, 0x0D])


def frame65(signature, instruction, data, address=1):
    text = b"*A%02X" % address + bytes([signature]) + b"%02X" % instruction
    return text + b"".join(b"%02X" % b for b in data) + b"\r"


def sign_magnitude(value):
    return (0x80 | -value) if value < 0 else value


def input_parameters():
    data = []
    for box in range(5):
        for parameter in range(1, 7):
            data += [((2 * box + 1) << 4) | parameter,
                     parameter * 2 if parameter == 1 else sign_magnitude(6 - 2 * parameter)]
    return data


def answers():
    levels = [b for out in range(1, 17) for b in (out, (out * 5) % 80)]
    sources = [b for out in range(1, 17) for b in (out, out % 11)]
    memories = [b for k in range(1, 10) for b in (k, 87 + k, k * 10, k % 2)]
    schedule = [0xFF] + [b for day in range(1, 8) for b in (day, 7, 0, 18, 30)]
    return {
        "answer-80-master": frame97(80, [sign_magnitude(-12)]),
        "answer-81-levels": frame97(81, levels),
        "answer-82-sources": frame97(82, sources),
        "answer-83-inputs": frame97(83, input_parameters()),
        "answer-170-schedule": frame97(170, schedule),
        "answer-171-power": frame97(171, [0xFF]),
        "answer-172-memories": frame97(172, memories),
        "answer-173-tuned": frame97(173, [104, 50]),
        "ack-setting": frame97(0x12, []),
        "nak-setting": frame97(0x13, [], instruction=2),
    }


def codec_seeds():
    a = answers()
    seeds = dict(a)
    seeds["format65"] = frame65(0x51, 0x51, [1, 40])
    seeds["junk-then-frame"] = b"xy\r\n" + a["answer-81-levels"]
    seeds["two-frames"] = a["ack-setting"] + a["answer-173-tuned"]
    seeds["partial-frame"] = a["answer-83-inputs"][:30]
    seeds["bad-checksum"] = a["answer-171-power"][:-2] + b"\x00\r"
    return seeds


def receiver_seeds():
    a = answers()
    # The stream at the front; the chunk sizes and queue steps are read from the back.
    control = bytes(range(1, 40))
    return {
        "answers": a["answer-81-levels"] + a["answer-82-sources"] + a["ack-setting"] + control,
        "inputs-and-junk": b"**Z" + a["answer-83-inputs"] + b"\x00*a\xff\xff" + control,
        "format65-between": frame65(0x51, 0x51, [1]) + a["answer-171-power"] + control,
        "memories-schedule": a["answer-172-memories"] + a["answer-170-schedule"] + control,
        "endless-partial": b"*A" + b"0" * 200 + a["answer-173-tuned"] + control,
    }


def decoder_seeds():
    seeds = dict(answers())
    seeds["short-schedule"] = frame97(170, [0x00, 3, 6, 30, 22, 0, 9, 1, 1, 1])
    seeds["odd-levels"] = frame97(81, [1, 40, 17, 3, 0, 9, 2])
    for name, text in {"freq-plain": "104.5", "freq-round": " 87.125 ", "freq-top": "99.999",
                       "freq-over": "128", "time-short": "7:25", "time-seconds": "18:59:30",
                       "time-bad": "24:00"}.items():
        seeds[name] = text.encode()
    return seeds


UTF8_INI = (
    "\ufeff; Orfa settings\r\n"
    "[Orfa]\r\n"
    "IPZesE = 10.0.0.1\r\n"
    "PortZesE=5000\r\n"
    "VstupyRG=0x1\r\n"
    "DBChb=1\r\n"
    "Vystup1Nzv=Výstup Čeština\r\n"
    "ipzese=duplicate, the first one counts\r\n"
    "this line means nothing\r\n"
    "\r\n"
    "# next section\r\n"
    "[Jine]\r\n"
    "IPZesE=not ours\r\n"
    "[Orfa\r\n"
    "LoginChb = -2147483648\r\n"
    "A=1"
).encode("utf-8")

CP1250_INI = (
    "[Orfa]\n"
    "Vstup1Nzv=Kuchyň\n"
    "Vystup2Nzv=Přízemí\n"
    "Vystup3Nzv=ÚŽINA\n"
    "ProdlevaE=800\n"
    "Uziv_1_Jmeno=Šatna €\n"
    "MaxIDUziv=1\n"
).encode("cp1250")


def settings_seeds():
    return {
        "utf8-comments-duplicates": UTF8_INI,
        "utf8-write": UTF8_INI + b"\x00IPZesE=10.0.0.2",
        "cp1250": CP1250_INI,
        "cp1250-write-outside": CP1250_INI + "\x00Vystup3Nzv=Ωmega ♫".encode("utf-8"),
        "cp1250-write-ascii": CP1250_INI + b"\x00Vstup1Nzv=Sklad",
        "no-section": b"junk\n=\n[]\nkey\x00NovyKlic=  hodnota  ",
        "empty-write": b"\x00DBChb=1",
    }


def main():
    for target, seeds in {"codec": codec_seeds(), "receiver": receiver_seeds(),
                          "decoders": decoder_seeds(), "settings": settings_seeds()}.items():
        folder = ROOT / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
