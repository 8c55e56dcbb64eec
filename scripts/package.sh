#!/usr/bin/env bash
# Writes build/RestWarden-<version>.zip for Windows users: the shipped 32-bit
# RestWarden.exe, the Japanese readme "お読みください.txt" (code page 932, CRLF) and the
# English one "Readme.txt" (UTF-8 with a byte-order mark, CRLF), of the same content.
# The version is the FileVersion of the program's own version resource.
#
# The readme's name is stored in code page 932 with the zip's UTF-8 flag clear, which is
# how Explorer on a Japanese Windows (every version) reads names; an Info-ZIP Unicode
# path field carries the same name in UTF-8 for tools that read it (7-Zip, unzip).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/build.sh i686
exe=build/i686/RestWarden.exe
python3 - "$exe" docs/readme_windows.txt docs/readme_windows_en.txt build <<'PY'
import os, re, struct, sys, tempfile, time, zipfile, zlib

exe_path, readme_path, english_path, out_dir = sys.argv[1:]
exe = open(exe_path, 'rb').read()

# The FileVersion string of the version resource (UTF-16, after its key and padding).
key = 'FileVersion\0'.encode('utf-16-le')
at = exe.find(key)
if at < 0:
    sys.exit('package: no FileVersion in the version resource')
at += len(key)
while exe[at:at + 2] == b'\0\0':
    at += 2
end = at
while exe[end:end + 2] != b'\0\0':
    end += 2
version = exe[at:end].decode('utf-16-le')
if not re.fullmatch(r'[0-9]+(\.[0-9]+)*', version):
    sys.exit(f'package: unexpected version {version!r}')

text = open(readme_path, encoding='utf-8').read().replace('@VERSION@', version)
readme = text.replace('\r\n', '\n').replace('\n', '\r\n').encode('cp932')
readme_name = 'お読みください.txt'
english = open(english_path, encoding='utf-8').read().replace('@VERSION@', version)
english = b'\xef\xbb\xbf' + english.replace('\r\n', '\n').replace('\n', '\r\n').encode('utf-8')
stamp = time.localtime(os.path.getmtime(exe_path))
dos_time = (stamp.tm_hour << 11) | (stamp.tm_min << 5) | (stamp.tm_sec // 2)
dos_date = ((stamp.tm_year - 1980) << 9) | (stamp.tm_mon << 5) | stamp.tm_mday

def entry(name, data):
    raw = name.encode('cp932')
    utf8 = name.encode('utf-8')
    extra = b''
    if raw != utf8:   # Info-ZIP Unicode path: version 1, CRC of the stored name, UTF-8 name
        body = struct.pack('<BI', 1, zlib.crc32(raw)) + utf8
        extra = struct.pack('<HH', 0x7075, len(body)) + body
    packer = zlib.compressobj(9, zlib.DEFLATED, -15)
    packed = packer.compress(data) + packer.flush()
    return raw, extra, data, packed

entries = [entry('RestWarden.exe', exe), entry(readme_name, readme), entry('Readme.txt', english)]
zip_path = os.path.join(out_dir, f'RestWarden-{version}.zip')
local, central = bytearray(), bytearray()
for raw, extra, data, packed in entries:
    crc = zlib.crc32(data)
    fixed = struct.pack('<HHHHHIII', 20, 0, 8, dos_time, dos_date, crc, len(packed), len(data))
    central += struct.pack('<IH', 0x02014b50, 20) + fixed + struct.pack(
        '<HHHHHII', len(raw), len(extra), 0, 0, 0, 0, len(local)) + raw + extra
    local += struct.pack('<I', 0x04034b50) + fixed + struct.pack('<HH', len(raw), len(extra)) + raw + extra + packed
tail = struct.pack('<IHHHHIIH', 0x06054b50, 0, 0, len(entries), len(entries), len(central), len(local), 0)
with open(zip_path + '.part', 'wb') as f:
    f.write(local + central + tail)
os.replace(zip_path + '.part', zip_path)

# Read it back as an unpacker would: three files, the names, the bytes, the readme's text.
with zipfile.ZipFile(zip_path) as z, tempfile.TemporaryDirectory() as unpacked:
    infos = z.infolist()
    names = [i.filename.encode('cp437').decode('cp932') if not i.flag_bits & 0x800 else i.filename for i in infos]
    assert names == ['RestWarden.exe', readme_name, 'Readme.txt'], names
    assert z.testzip() is None
    for info, name in zip(infos, names):
        with open(os.path.join(unpacked, name), 'wb') as f:
            f.write(z.read(info))
    assert open(os.path.join(unpacked, 'RestWarden.exe'), 'rb').read() == exe
    back = open(os.path.join(unpacked, readme_name), 'rb').read()
    assert back.count(b'\n') == back.count(b'\r\n') and back.endswith(b'\r\n')
    assert f'バージョン {version}' in back.decode('cp932')
    back = open(os.path.join(unpacked, 'Readme.txt'), 'rb').read()
    assert back.startswith(b'\xef\xbb\xbf') and back.count(b'\n') == back.count(b'\r\n') and back.endswith(b'\r\n')
    assert f'RestWarden version {version}' in back.decode('utf-8-sig')
print(zip_path)
PY
