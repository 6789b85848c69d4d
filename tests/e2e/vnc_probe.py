#!/usr/bin/env python3
"""Speaks just enough RFB and WebSocket to check how a headless session is
served, without a real VNC viewer or browser.

  vnc_probe.py vnc PORT PASSWORD   only VncAuth is offered, a wrong password is
                                   refused and PASSWORD opens the desktop
  vnc_probe.py web PORT            the noVNC page is served and its WebSocket
                                   reaches the VNC server
"""
import base64
import os
import socket
import subprocess
import sys

HOST = "127.0.0.1"
VNC_AUTH = 2


class ProbeError(Exception):
    pass


def recv_exact(sock, n):
    data = b""
    while len(data) < n:
        chunk = sock.recv(n - len(data))
        if not chunk:
            raise ProbeError(f"connection closed after {len(data)} of {n} bytes")
        data += chunk
    return data


def des_response(password, challenge):
    # VNC keys DES with the password's bits mirrored in every byte. Python
    # has no DES of its own; openssl keeps it in the legacy provider.
    key = bytes(int(f"{b:08b}"[::-1], 2) for b in password.encode()[:8].ljust(8, b"\0"))
    return subprocess.run(
        ["openssl", "enc", "-des-ecb", "-nopad", "-K", key.hex(),
         "-provider", "legacy", "-provider", "default"],
        input=challenge, capture_output=True, check=True).stdout


def security_types(sock):
    version = recv_exact(sock, 12)
    if not version.startswith(b"RFB 003."):
        raise ProbeError(f"not an RFB server: {version!r}")
    sock.sendall(b"RFB 003.008\n")
    count = recv_exact(sock, 1)[0]
    if count == 0:
        raise ProbeError("server refused the connection")
    return list(recv_exact(sock, count))


def log_in(port, password):
    """True when the server accepts the password (None: a random response)."""
    with socket.create_connection((HOST, port), timeout=10) as sock:
        types = security_types(sock)
        if types != [VNC_AUTH]:
            raise ProbeError(f"security types offered: {types}, want only VncAuth ({VNC_AUTH})")
        sock.sendall(bytes([VNC_AUTH]))
        challenge = recv_exact(sock, 16)
        sock.sendall(os.urandom(16) if password is None else des_response(password, challenge))
        if int.from_bytes(recv_exact(sock, 4), "big") != 0:
            return False
        sock.sendall(b"\1")  # ClientInit: share the desktop
        width, height = int.from_bytes(recv_exact(sock, 2), "big"), int.from_bytes(recv_exact(sock, 2), "big")
        if width == 0 or height == 0:
            raise ProbeError(f"empty desktop {width}x{height}")
        return True


def check_vnc(port, password):
    # The right password first: the server blacklists hosts that fail often.
    if not log_in(port, password):
        raise ProbeError("the printed password was refused")
    if log_in(port, None):
        raise ProbeError("a wrong password was accepted")


def http_exchange(port, request):
    sock = socket.create_connection((HOST, port), timeout=10)
    sock.sendall(request.encode())
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = sock.recv(4096)
        if not chunk:
            break
        data += chunk
    head, _, rest = data.partition(b"\r\n\r\n")
    return sock, head.decode(errors="replace"), rest


def check_web(port):
    sock, head, body = http_exchange(
        port, f"GET /vnc.html HTTP/1.1\r\nHost: {HOST}:{port}\r\nConnection: close\r\n\r\n")
    with sock:
        while chunk := sock.recv(65536):
            body += chunk
    if " 200 " not in head.split("\r\n")[0] or b"noVNC" not in body:
        raise ProbeError(f"no noVNC page: {head.splitlines()[0] if head else 'no answer'}")

    key = base64.b64encode(os.urandom(16)).decode()
    sock, head, data = http_exchange(
        port, f"GET /websockify HTTP/1.1\r\nHost: {HOST}:{port}\r\nUpgrade: websocket\r\n"
              f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
              f"Sec-WebSocket-Version: 13\r\nSec-WebSocket-Protocol: binary\r\n\r\n")
    with sock:
        if " 101 " not in head.split("\r\n")[0]:
            raise ProbeError(f"no WebSocket upgrade: {head.splitlines()[0] if head else 'no answer'}")
        # The server's first frame carries the RFB version (short, unmasked).
        while len(data) < 2 + 12:
            chunk = sock.recv(4096)
            if not chunk:
                break
            data += chunk
        if data[2:2 + 8] != b"RFB 003.":
            raise ProbeError(f"WebSocket does not lead to the VNC server: {data[:16]!r}")


def main(argv):
    try:
        if len(argv) == 4 and argv[1] == "vnc":
            check_vnc(int(argv[2]), argv[3])
        elif len(argv) == 3 and argv[1] == "web":
            check_web(int(argv[2]))
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except (ProbeError, OSError, subprocess.CalledProcessError) as e:
        print(f"vnc_probe {argv[1]}: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
