; Tessarin MBR bootstrap: 440 bytes of code and messages, then the disk signature and table.
; The BIOS loads sector 0 at 0000:7C00 with the boot drive in DL. The code moves itself to
; 0000:0600 so that the chosen partition's boot sector can be loaded at 7C00 in its place.
; Assemble: nasm -f bin -o mbr.bin mbr.asm   (output is exactly 440 bytes)

        bits 16
        org 0x0600

ENTRY_TABLE     equ 0x07BE          ; partition table after the move (0x600 + 446)
ENTRY_SIZE      equ 16
ENTRY_LBA       equ 8               ; offset of the starting LBA within an entry
LOAD_ADDR       equ 0x7C00
SIGNATURE_ADDR  equ 0x7DFE
READ_TRIES      equ 5
MSG_BASE        equ 0x0700          ; message address = MSG_BASE + byte from the offset table

start:
        cli
        xor     ax, ax
        mov     ss, ax
        mov     sp, LOAD_ADDR
        mov     ds, ax
        mov     es, ax
        sti
        cld
        mov     si, LOAD_ADDR
        mov     di, 0x0600
        mov     cx, 256
        rep movsw
        jmp     0x0000:relocated

relocated:
        ; Exactly one entry may carry 0x80; any flag other than 0x00/0x80 is a broken table.
        mov     si, ENTRY_TABLE
        xor     bp, bp              ; chosen entry, 0 = none yet
        mov     cx, 4
.scan:
        mov     al, [si]
        test    al, al
        jz      .next
        cmp     al, 0x80
        jne     invalid_table
        test    bp, bp
        jnz     invalid_table
        mov     bp, si
.next:
        add     si, ENTRY_SIZE
        loop    .scan
        test    bp, bp
        jz      invalid_table

        mov     [drive], dl

        ; INT 13h extensions present and able to use the packet interface?
        mov     ah, 0x41
        mov     bx, 0x55AA
        int     0x13
        jc      chs_read
        cmp     bx, 0xAA55
        jne     chs_read
        test    cl, 1
        jz      chs_read

        mov     eax, [bp + ENTRY_LBA]
        mov     [dap_lba], eax
        mov     di, READ_TRIES
.lba_try:
        mov     si, dap
        mov     dl, [drive]
        mov     ah, 0x42
        int     0x13
        jnc     loaded
        call    reset_disk
        dec     di
        jnz     .lba_try
        jmp     load_error

chs_read:
        mov     di, READ_TRIES
.chs_try:
        mov     dh, [bp + 1]        ; head
        mov     cx, [bp + 2]        ; CL = sector | cylinder bits 8-9, CH = cylinder bits 0-7
        mov     dl, [drive]
        mov     bx, LOAD_ADDR
        mov     ax, 0x0201
        int     0x13
        jnc     loaded
        call    reset_disk
        dec     di
        jnz     .chs_try
        jmp     load_error

loaded:
        cmp     word [SIGNATURE_ADDR], 0xAA55
        jne     missing_os

        ; Measure the loaded boot sector into PCR 8 when a TCG BIOS (1.2 or later) answers.
        push    bp
        mov     ax, 0xBB00
        int     0x1A
        test    eax, eax
        jnz     .boot
        cmp     ebx, 0x41504354     ; 'TCPA'
        jne     .boot
        cmp     cx, 0x0102
        jb      .boot
        mov     eax, 0xBB07
        mov     ebx, 0x41504354
        mov     ecx, 512
        mov     edx, 8
        xor     esi, esi
        xor     edi, edi
        mov     di, LOAD_ADDR
        int     0x1A
.boot:
        pop     bp
        mov     si, bp              ; DS:SI -> the active entry, DL = boot drive
        mov     dl, [drive]
        jmp     0x0000:LOAD_ADDR

reset_disk:
        xor     ah, ah
        mov     dl, [drive]
        int     0x13
        ret

invalid_table:
        mov     al, [msg_offsets]
        jmp     print_halt
load_error:
        mov     al, [msg_offsets + 1]
        jmp     print_halt
missing_os:
        mov     al, [msg_offsets + 2]
print_halt:
        mov     ah, MSG_BASE >> 8
        mov     si, ax
.char:
        lodsb
        test    al, al
        jz      .halt
        mov     ah, 0x0E
        mov     bx, 0x0007
        int     0x10
        jmp     .char
.halt:
        hlt
        jmp     .halt

drive:  db      0x80
dap:    db      0x10, 0
        dw      1                   ; sectors
        dw      LOAD_ADDR, 0        ; offset, segment
dap_lba:
        dd      0, 0

        ; Messages sit at fixed offsets so that the offset table below keeps its usual values.
        times   0x163 - ($ - $$) db 0
msg_invalid:    db "Invalid partition table", 0
msg_error:      db "Error loading operating system", 0
msg_missing:    db "Missing operating system", 0

        times   437 - ($ - $$) db 0
msg_offsets:
        db      msg_invalid - $$ + 0x0600 - MSG_BASE
        db      msg_error - $$ + 0x0600 - MSG_BASE
        db      msg_missing - $$ + 0x0600 - MSG_BASE
