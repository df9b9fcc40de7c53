"""Reads a GDT 2.1 request record (type 6302) from its bytes, independently of Lumvik's encoder.

Every line is <length:3><field:4><content> CR LF, the length counting the whole line in bytes;
the record declares its own length in field 8100 and code page 437 in field 9206.
"""

HEADER = [("8000", "6302"), ("8100", None), ("9206", "2"), ("9218", "02.01")]


class GdtFormatError(AssertionError):
    pass


def read_request(data):
    """Returns the record's fields as a list of (field, content) in file order.

    Raises GdtFormatError naming the first line that breaks the format.

    >>> header = b"01380006302\\r\\n0148100%05d\\r\\n01092062\\r\\n014921802.01\\r\\n"
    >>> body(read_request(header % 66 + b"0153101M\\x81ller\\r\\n"))
    [('3101', 'Müller')]
    >>> read_request(header % 65 + b"0133101Meier\\r\\n")
    Traceback (most recent call last):
    gdt_reader.GdtFormatError: line 5 at byte 51 (b'0133101Meier'): declares 13 bytes, holds 14
    >>> read_request(header % 67 + b"0153101M\\x81ller\\r\\n")
    Traceback (most recent call last):
    gdt_reader.GdtFormatError: 8100 declares '00067', the file has 66 bytes
    >>> read_request(header.replace(b"9206" + b"2", b"9206" + b"1") % 51)
    Traceback (most recent call last):
    gdt_reader.GdtFormatError: header line 9206='1', expected 9206='2'
    >>> read_request(header % 71 + b"0103110F\\r\\n0103110M\\r\\n")
    Traceback (most recent call last):
    gdt_reader.GdtFormatError: fields written twice: ['3110']
    """
    if not data.endswith(b"\r\n"):
        raise GdtFormatError("the record does not end with CR LF")
    fields = []
    offset = 0
    for number, line in enumerate(data[:-2].split(b"\r\n"), start=1):
        where = f"line {number} at byte {offset} ({line!r})"
        if b"\r" in line or b"\n" in line:
            raise GdtFormatError(f"{where}: a lone CR or LF inside the line")
        if len(line) < 7 or not line[:7].isdigit():
            raise GdtFormatError(f"{where}: no 3-digit length and 4-digit field in front")
        declared = int(line[:3])
        if declared != len(line) + 2:
            raise GdtFormatError(f"{where}: declares {declared} bytes, holds {len(line) + 2}")
        if len(line) == 7:
            raise GdtFormatError(f"{where}: empty field written")
        fields.append((line[3:7].decode("ascii"), line[7:].decode("cp437")))
        offset += len(line) + 2
    _check_header(fields, len(data))
    return fields


def _check_header(fields, size):
    if len(fields) < len(HEADER):
        raise GdtFormatError(f"only {len(fields)} lines, the header alone has {len(HEADER)}")
    for (field, content), (expected_field, expected_content) in zip(fields, HEADER):
        if field != expected_field or (expected_content is not None and content != expected_content):
            raise GdtFormatError(f"header line {field}={content!r}, expected {expected_field}={expected_content!r}")
    record_length = fields[1][1]
    if len(record_length) != 5 or not record_length.isdigit() or int(record_length) != size:
        raise GdtFormatError(f"8100 declares {record_length!r}, the file has {size} bytes")
    seen = [field for field, _ in fields]
    duplicates = {field for field in seen if seen.count(field) > 1}
    if duplicates:
        raise GdtFormatError(f"fields written twice: {sorted(duplicates)}")


def body(fields):
    """The fields after the four header lines, in file order."""
    return fields[len(HEADER):]
